#include "platform/db/Session.h"

#include <QString>
#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "platform/db/DBError.h"
#include "platform/system/Finalization.h"

namespace {

std::string Upper(const std::string& name) {
  return QString::fromStdString(name).toUpper().toStdString();
}

std::string Trim(const std::string& text) {
  const std::size_t start = text.find_first_not_of(" \t\r");
  if (start == std::string::npos) return {};
  return text.substr(start, text.find_last_not_of(" \t\r") - start + 1);
}

}  // namespace

TDataSet* TDatabase::DataSets(int index) const {
  return index >= 0 && index < DataSetCount() ? dataSets_[static_cast<std::size_t>(index)]
                                              : nullptr;
}

void TDatabase::Attach(TDataSet* dataSet) {
  if (std::find(dataSets_.begin(), dataSets_.end(), dataSet) == dataSets_.end())
    dataSets_.push_back(dataSet);
}

void TDatabase::Detach(TDataSet* dataSet) {
  dataSets_.erase(std::remove(dataSets_.begin(), dataSets_.end(), dataSet), dataSets_.end());
}

TSession::TSession() = default;
TSession::~TSession() = default;

std::string TSession::PersistentConfigPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config && *config) {
    folder = config;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home ? home : ".") + "/.config";
  }
  return folder + "/qorprint/aliases.conf";
}

void TSession::ReloadPersistentAliases() {
  persistent_.clear();
  persistentLoaded_ = true;
  std::ifstream in(PersistentConfigPath());
  std::string line, section;
  while (std::getline(in, line)) {
    line = Trim(line);
    if (line.empty() || line[0] == '#' || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = Upper(Trim(line.substr(1, line.size() - 2)));
      if (!section.empty()) persistent_[section];
      continue;
    }
    const std::size_t equals = line.find('=');
    if (section.empty() || equals == std::string::npos) continue;
    const std::string key = Upper(Trim(line.substr(0, equals)));
    const std::string value = Trim(line.substr(equals + 1));
    if (key == "PATH") persistent_[section].Path = value;
    if (key == "DEFAULT DRIVER") persistent_[section].DefaultDriver = value;
  }
}

std::optional<TAlias> TSession::FindAlias(const std::string& name) {
  const std::string key = Upper(name);
  if (ConfigMode & cmSession)
    if (auto it = session_.find(key); it != session_.end()) return it->second;
  if (ConfigMode & cmPersistent) {
    if (!persistentLoaded_) ReloadPersistentAliases();
    if (auto it = persistent_.find(key); it != persistent_.end()) return it->second;
  }
  return std::nullopt;
}

bool TSession::IsAlias(const std::string& name) {
  return FindAlias(name).has_value();
}

void TSession::AddStandardAlias(const std::string& name, const std::string& path,
                                const std::string& defaultDriver) {
  if (Trim(name).empty()) throw EDatabaseError("Invalid alias name");
  if (path.empty()) throw EDatabaseError("Alias " + name + ": path is empty");
  if (!(ConfigMode & (cmSession | cmPersistent)))
    throw EDatabaseError("Alias " + name + ": no scope to add it to");
  if (!persistentLoaded_) ReloadPersistentAliases();
  const std::string key = Upper(name);
  for (Scope* scope : {&session_, &persistent_})
    if (scope->count(key) && (ConfigMode & (scope == &session_ ? cmSession : cmPersistent)))
      throw EDatabaseError("Alias " + name + " already exists");
  Scope& target = (ConfigMode & cmSession) ? session_ : persistent_;
  target[key] = TAlias{path, defaultDriver};
}

TDatabase* TSession::Databases(int index) const {
  return index >= 0 && index < DatabaseCount() ? databases_[static_cast<std::size_t>(index)].get()
                                               : nullptr;
}

TDatabase& TSession::OpenDatabase(const std::string& databaseName) {
  for (const auto& database : databases_)
    if (Upper(database->DatabaseName) == Upper(databaseName)) return *database;
  std::string directory;
  if (const std::optional<TAlias> alias = FindAlias(databaseName)) {
    directory = alias->Path;
  } else if (databaseName.find('/') != std::string::npos) {
    directory = databaseName;  // a folder named directly
  } else {
    throw EDatabaseError("Unknown database: " + databaseName);
  }
  databases_.push_back(std::make_unique<TDatabase>(databaseName, directory));
  return *databases_.back();
}

void TSession::CloseUnusedDatabase(TDatabase& database) {
  if (database.DataSetCount() > 0) return;
  databases_.erase(std::remove_if(databases_.begin(), databases_.end(),
                                  [&](const auto& d) { return d.get() == &database; }),
                   databases_.end());
}

namespace {

TProgramObject<TSession>& TheSession() {
  static auto& session = *new TProgramObject<TSession>("Session", TFinalizationStage::Platform,
                                                       [] { return std::make_unique<TSession>(); });
  return session;
}

}  // namespace

TSession& Session() {
  return TheSession().Get();
}

std::unique_ptr<TSession> SetSession(std::unique_ptr<TSession> session) {
  return TheSession().Set(std::move(session));
}
