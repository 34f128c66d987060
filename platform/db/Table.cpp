#include "platform/db/Table.h"

#include <climits>

#include "platform/db/Session.h"
#include "platform/system/CodePage.h"

TTable::TTable(QObject* owner) : TDBDataSet(owner) {}

TTable::~TTable() {
  blockSignals(true);  // nobody is to hear from a dataset that is going
  Close();
}

void TTable::CreateTable(const std::vector<TFieldDef>& fields) {
  const std::string folder = Session().OpenDatabase(DatabaseName).Directory;
  sqlitedb::CreateTableFile(sqlitedb::TableFilePath(folder, TableName), fields);
}

namespace {

void Execute(sqlite3* db, const char* sql, const std::string& table) {
  if (!db) throw EDatabaseError("Table " + table + " is not open");
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
    sqlitedb::Fail(db, std::string(sql) + " on table " + table);
}

}  // namespace

void TTable::StartTransaction() {
  Execute(db_, "BEGIN IMMEDIATE", TableName);
}
void TTable::Commit() {
  Execute(db_, "COMMIT", TableName);
}
void TTable::Rollback() {
  Execute(db_, "ROLLBACK", TableName);
}

std::vector<TFieldDef> TTable::OpenCursor() {
  const std::string folder = AttachDatabase();
  const std::string path = sqlitedb::TableFilePath(folder, TableName);
  try {
    table_ = sqlitedb::BaseName(path);
    db_ = sqlitedb::OpenTableFile(path, table_);
    columns_ = sqlitedb::ReadFieldDefs(db_, "main", table_);
    std::string list, assignments, places;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      const std::string column = sqlitedb::Quote(Utf8FromAnsi(columns_[i].Name));
      const std::string n = std::to_string(i + 1);
      list += ", " + column;
      assignments += (i ? ", " : "") + column + " = ?" + n;
      places += (i ? ", ?" : "?") + n;
    }
    const std::string select = "SELECT rowid" + list + " FROM " + sqlitedb::Quote(table_);
    forward_ = {db_, select + " WHERE rowid > ?1 ORDER BY rowid LIMIT " + std::to_string(kBatch)};
    backward_ = {db_, select + " WHERE rowid < ?1 ORDER BY rowid DESC LIMIT 1"};
    last_ = {db_, select + " ORDER BY rowid DESC LIMIT 1"};
    current_ = {db_, select + " WHERE rowid = ?1"};
    const std::string rowidPlace = "?" + std::to_string(columns_.size() + 1);
    update_ = {db_, "UPDATE " + sqlitedb::Quote(table_) + " SET " + assignments +
                        " WHERE rowid = " + rowidPlace};
    insert_ = {db_, "INSERT INTO " + sqlitedb::Quote(table_) + " (" + list.substr(2) +
                        ") VALUES (" + places + ")"};
    delete_ = {db_, "DELETE FROM " + sqlitedb::Quote(table_) + " WHERE rowid = ?1"};
    count_ = {db_, "SELECT count(*) FROM " + sqlitedb::Quote(table_)};
    index_ = {db_, "SELECT count(*) FROM " + sqlitedb::Quote(table_) + " WHERE rowid < ?1"};
    range_ = {db_, select + " ORDER BY rowid LIMIT ?1 OFFSET ?2"};
    atIndex_ = {db_, select + " ORDER BY rowid LIMIT 1 OFFSET ?1"};
  } catch (...) {
    CloseCursor();
    throw;
  }
  rowid_ = INT64_MIN;
  DropBatch();
  return columns_;
}

void TTable::CloseCursor() {
  forward_ = {};
  backward_ = {};
  last_ = {};
  current_ = {};
  update_ = {};
  insert_ = {};
  delete_ = {};
  count_ = {};
  index_ = {};
  range_ = {};
  atIndex_ = {};
  if (db_) sqlite3_close(db_);
  db_ = nullptr;
  batch_.clear();
  DropBatch();
  DetachDatabase();
}

void TTable::DropBatch() {
  batchNext_ = 0;
  batchSize_ = 0;
}

// The statement is reset after each batch, so no read lock is held between moves and other
// programs can write to the table meanwhile.
bool TTable::FillBatch(int64_t after) {
  sqlite3_stmt* stmt = forward_.get();
  sqlite3_reset(stmt);
  sqlite3_bind_int64(stmt, 1, after);
  if (batch_.size() < kBatch) batch_.resize(kBatch);
  batchSize_ = 0;
  batchNext_ = 0;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    auto& [rowid, record] = batch_[batchSize_++];
    rowid = sqlite3_column_int64(stmt, 0);
    sqlitedb::ReadRow(stmt, 1, record);
    CountRowRead();
  }
  sqlite3_reset(stmt);
  if (rc != SQLITE_DONE) {
    DropBatch();
    sqlitedb::Fail(db_, "Cannot read table " + TableName);
  }
  return batchSize_ > 0;
}

bool TTable::ReadOne(sqlite3_stmt* stmt, TRecord& record) {
  const int rc = sqlite3_step(stmt);
  if (rc == SQLITE_ROW) {
    rowid_ = sqlite3_column_int64(stmt, 0);
    sqlitedb::ReadRow(stmt, 1, record);
    CountRowRead();
  }
  sqlite3_reset(stmt);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) sqlitedb::Fail(db_, "Cannot read table " + TableName);
  return rc == SQLITE_ROW;
}

bool TTable::CursorFirst(TRecord& record) {
  if (!FillBatch(INT64_MIN)) return false;
  rowid_ = batch_[0].first;
  record = batch_[0].second;
  batchNext_ = 1;
  return true;
}

bool TTable::CursorNext(TRecord& record) {
  if (batchNext_ >= batchSize_ && !FillBatch(rowid_)) return false;
  auto& [rowid, values] = batch_[batchNext_++];
  rowid_ = rowid;
  record.swap(values);
  return true;
}

bool TTable::CursorPrior(TRecord& record) {
  sqlite3_bind_int64(backward_.get(), 1, rowid_);
  DropBatch();
  return ReadOne(backward_.get(), record);
}

bool TTable::CursorLast(TRecord& record) {
  DropBatch();
  return ReadOne(last_.get(), record);
}

bool TTable::CursorCurrent(TRecord& record) {
  const int64_t at = rowid_;
  sqlite3_bind_int64(current_.get(), 1, at);
  const bool found = ReadOne(current_.get(), record);
  rowid_ = at;
  return found;
}

void TTable::CursorSeek(const TBookmarkData& bookmark) {
  DropBatch();
  rowid_ = bookmark.Position;
}

void TTable::Write(sqlite3_stmt* stmt, const char* what) {
  const int rc = sqlite3_step(stmt);
  sqlite3_reset(stmt);
  sqlite3_clear_bindings(stmt);
  DropBatch();
  if (rc != SQLITE_DONE) sqlitedb::Fail(db_, std::string(what) + " table " + TableName);
}

void TTable::CursorPost(TRecord& record, bool inserting) {
  record.resize(columns_.size());
  sqlite3_stmt* stmt = inserting ? insert_.get() : update_.get();
  for (std::size_t i = 0; i < columns_.size(); ++i)
    sqlitedb::BindValue(stmt, static_cast<int>(i + 1), record[i]);
  if (!inserting) sqlite3_bind_int64(stmt, static_cast<int>(columns_.size() + 1), rowid_);
  Write(stmt, inserting ? "Cannot insert into" : "Cannot update");
  if (inserting) rowid_ = sqlite3_last_insert_rowid(db_);
}

bool TTable::CursorDelete(TRecord& now) {
  sqlite3_bind_int64(delete_.get(), 1, rowid_);
  Write(delete_.get(), "Cannot delete from");
  return CursorNext(now) || CursorPrior(now);
}

TValue TTable::Lookup(const std::string& keyField, const TValue& key,
                      const std::string& resultField) {
  if (!Active() || !FindField(keyField) || !FindField(resultField)) return {};
  sqlitedb::TStatement find(db_, "SELECT " + sqlitedb::Quote(Utf8FromAnsi(resultField)) + " FROM " +
                                     sqlitedb::Quote(table_) + " WHERE " +
                                     sqlitedb::Quote(Utf8FromAnsi(keyField)) + " = ?1 LIMIT 1");
  sqlitedb::BindValue(find.get(), 1, key);
  TRecord found;
  if (sqlite3_step(find.get()) != SQLITE_ROW) return {};
  sqlitedb::ReadRow(find.get(), 0, found);
  CountRowRead();
  return found.empty() ? TValue{} : found[0];
}

namespace {

int64_t Count(sqlite3* db, sqlite3_stmt* stmt, const std::string& table) {
  const int rc = sqlite3_step(stmt);
  const int64_t count = rc == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
  sqlite3_reset(stmt);
  if (rc != SQLITE_ROW) sqlitedb::Fail(db, "Cannot read table " + table);
  return count;
}

}  // namespace

int64_t TTable::CursorRecordCount() {
  return Count(db_, count_.get(), TableName);
}

int64_t TTable::CursorIndex() {
  sqlite3_bind_int64(index_.get(), 1, rowid_);
  return Count(db_, index_.get(), TableName);
}

void TTable::CursorReadRange(int64_t first, int64_t count, std::vector<TRecord>& records) {
  sqlite3_stmt* stmt = range_.get();
  sqlite3_bind_int64(stmt, 1, count);
  sqlite3_bind_int64(stmt, 2, first);
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    records.emplace_back();
    sqlitedb::ReadRow(stmt, 1, records.back());
    CountRowRead();
  }
  sqlite3_reset(stmt);
  if (rc != SQLITE_DONE) sqlitedb::Fail(db_, "Cannot read table " + TableName);
}

bool TTable::CursorGotoIndex(int64_t index, TRecord& record) {
  sqlite3_bind_int64(atIndex_.get(), 1, index);
  DropBatch();
  return ReadOne(atIndex_.get(), record);
}
