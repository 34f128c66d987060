#include "platform/db/Query.h"

#include <QRegularExpression>
#include <QString>
#include <filesystem>

#include "platform/db/Sqlite.h"
#include "platform/system/CodePage.h"

namespace {

// Table files of the folder whose names the SQL text uses as words.
std::vector<std::filesystem::path> TablesNamedIn(const std::string& folder,
                                                 const std::string& sql) {
  std::vector<std::filesystem::path> tables;
  std::error_code error;
  const QString text = QString::fromStdString(sql);
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::filesystem::path& path = entry.path();
    if (QString::fromStdString(path.extension().string()).compare(".db", Qt::CaseInsensitive) != 0)
      continue;
    const QString name = QRegularExpression::escape(QString::fromStdString(path.stem().string()));
    const QRegularExpression word("(^|[^\\w])" + name + "($|[^\\w])",
                                  QRegularExpression::CaseInsensitiveOption);
    if (text.contains(word)) tables.push_back(path);
  }
  return tables;
}

struct Connection {
  sqlite3* db = nullptr;
  ~Connection() { sqlite3_close(db); }
};

}  // namespace

TQuery::TQuery(QObject* owner) : TDBDataSet(owner) {}

TQuery::~TQuery() {
  blockSignals(true);  // nobody is to hear from a dataset that is going
  Close();
}

std::vector<TFieldDef> TQuery::OpenCursor() {
  const std::string folder = AttachDatabase();
  try {
    Connection connection;
    if (sqlite3_open_v2(":memory:", &connection.db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
      sqlitedb::Fail(connection.db, "Cannot open query");
    sqlite3_limit(connection.db, SQLITE_LIMIT_ATTACHED, 125);
    for (const std::filesystem::path& table : TablesNamedIn(folder, SQL)) {
      sqlitedb::CheckTableFile(table.string());
      sqlitedb::TStatement attach(
          connection.db, "ATTACH DATABASE ?1 AS " + sqlitedb::Quote(table.stem().string()));
      sqlite3_bind_text(attach.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
      if (sqlite3_step(attach.get()) != SQLITE_DONE)
        sqlitedb::Fail(connection.db, "Cannot open table " + table.string());
    }
    sqlitedb::TStatement query(connection.db, Utf8FromAnsi(SQL));
    TDataSet* master = dataSource_ ? dataSource_->DataSet() : nullptr;
    for (int i = 1; i <= sqlite3_bind_parameter_count(query.get()); ++i) {
      const char* name = sqlite3_bind_parameter_name(query.get(), i);
      TField* field = master && master->Active() && name ? master->FindField(name + 1) : nullptr;
      if (field && field->Index() >= 0)
        sqlitedb::BindValue(query.get(), i, master->ActiveRecord()[field->Index()]);
    }
    std::vector<TFieldDef> columns;
    for (int i = 0; i < sqlite3_column_count(query.get()); ++i) {
      const char* declared = sqlite3_column_decltype(query.get(), i);
      columns.push_back(sqlitedb::FieldDefFromDeclaration(
          AnsiFromUtf8(sqlite3_column_name(query.get(), i)), declared ? declared : ""));
    }
    rows_.clear();
    int rc;
    while ((rc = sqlite3_step(query.get())) == SQLITE_ROW) {
      rows_.emplace_back();
      sqlitedb::ReadRow(query.get(), 0, rows_.back());
      CountRowRead();
    }
    if (rc != SQLITE_DONE) sqlitedb::Fail(connection.db, "Cannot run query");
    index_ = 0;
    return columns;
  } catch (...) {
    rows_.clear();
    DetachDatabase();
    throw;
  }
}

void TQuery::CloseCursor() {
  rows_.clear();
  index_ = 0;
  DetachDatabase();
}

bool TQuery::At(int64_t index, TRecord& record) {
  if (index < 0 || index >= static_cast<int64_t>(rows_.size())) return false;
  index_ = index;
  record = rows_[static_cast<std::size_t>(index)];
  return true;
}

bool TQuery::CursorFirst(TRecord& record) {
  return At(0, record);
}
bool TQuery::CursorLast(TRecord& record) {
  return At(static_cast<int64_t>(rows_.size()) - 1, record);
}
bool TQuery::CursorNext(TRecord& record) {
  return At(index_ + 1, record);
}
bool TQuery::CursorPrior(TRecord& record) {
  return At(std::min<int64_t>(index_, static_cast<int64_t>(rows_.size())) - 1, record);
}
bool TQuery::CursorCurrent(TRecord& record) {
  return At(index_, record);
}

// The bookmarked record where it is now (the nearest copy of its values), else the same row
// number: the record that followed it has moved up into its place.
void TQuery::CursorSeek(const TBookmarkData& bookmark) {
  int64_t best = -1;
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i] == bookmark.Values &&
        (best < 0 || std::llabs(static_cast<int64_t>(i) - bookmark.Position) <
                         std::llabs(best - bookmark.Position)))
      best = static_cast<int64_t>(i);
  index_ = best >= 0 ? best : std::max<int64_t>(bookmark.Position, 0);
}

TValue TQuery::Lookup(const std::string& keyField, const TValue& key,
                      const std::string& resultField) {
  TField* keyColumn = FindField(keyField);
  TField* resultColumn = FindField(resultField);
  if (!Active() || !keyColumn || !resultColumn) return {};
  for (const TRecord& row : rows_)
    if (row[keyColumn->Index()] == key) return row[resultColumn->Index()];
  return {};
}

void TQuery::CursorReadRange(int64_t first, int64_t count, std::vector<TRecord>& records) {
  const int64_t end = std::min<int64_t>(first + count, static_cast<int64_t>(rows_.size()));
  for (int64_t i = first; i < end; ++i) records.push_back(rows_[static_cast<std::size_t>(i)]);
}
