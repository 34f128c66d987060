#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TDataSet;

// Alias scopes, combined as bits of TConfigMode.
enum TConfigModeScope : uint8_t { cmVirtual = 1, cmPersistent = 2, cmSession = 4 };
using TConfigMode = uint8_t;
constexpr TConfigMode cmAll = cmVirtual | cmPersistent | cmSession;

// An alias: a name for a folder of table files and the driver that reads them.
struct TAlias {
  std::string Path;           // the folder, with its trailing separator as given
  std::string DefaultDriver;  // "PARADOX"
};

// A database: the folder of an alias (or a folder named directly) and the datasets open on it.
class TDatabase {
 public:
  explicit TDatabase(std::string databaseName, std::string directory)
      : DatabaseName(std::move(databaseName)), Directory(std::move(directory)) {}
  const std::string DatabaseName;
  const std::string Directory;

  int DataSetCount() const { return static_cast<int>(dataSets_.size()); }
  TDataSet* DataSets(int index) const;
  void Attach(TDataSet* dataSet);
  void Detach(TDataSet* dataSet);

 private:
  std::vector<TDataSet*> dataSets_;
};

// The database session: aliases in three scopes and the open databases. The persistent scope is
// read from PersistentConfigPath() (an INI-style file: a [name] section per alias, with PATH= and
// DEFAULT DRIVER=), which is never written; the session scope lives as long as the process; the
// virtual scope holds no aliases on this platform.
class TSession {
 public:
  TSession();
  virtual ~TSession();

  TConfigMode ConfigMode = cmAll;

  // Is there an alias of that name (letters compared without case) in the scopes of ConfigMode?
  bool IsAlias(const std::string& name);
  // Adds an alias in the scopes of ConfigMode (persistent additions are kept for this run only).
  virtual void AddStandardAlias(const std::string& name, const std::string& path,
                                const std::string& defaultDriver);
  std::optional<TAlias> FindAlias(const std::string& name);

  int DatabaseCount() const { return static_cast<int>(databases_.size()); }
  TDatabase* Databases(int index) const;
  // The database of an alias or a folder name, opened on first use. Raises EDatabaseError for an
  // unknown alias.
  TDatabase& OpenDatabase(const std::string& databaseName);
  // Forgets a database that no dataset uses any more.
  void CloseUnusedDatabase(TDatabase& database);

  static std::string PersistentConfigPath();
  // Reads the persistent configuration again (after it changed on disk).
  void ReloadPersistentAliases();

 private:
  using Scope = std::map<std::string, TAlias>;  // by upper-case name
  Scope persistent_;
  Scope session_;
  bool persistentLoaded_ = false;
  std::vector<std::unique_ptr<TDatabase>> databases_;
};

// The default session, made on first use.
TSession& Session();
// Installs another default session (a test's, say); answers the previous one.
std::unique_ptr<TSession> SetSession(std::unique_ptr<TSession> session);
