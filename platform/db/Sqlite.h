#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

#include "platform/db/Record.h"

// The table files of the "PARADOX" driver: one SQLite database per table, named as the table
// ("People.DB"), holding one SQLite table named after the file without its extension. Text is
// stored as UTF-8 and read as ANSI bytes. Internal to the database layer.
namespace sqlitedb {

// A prepared statement, finalized when it goes.
class TStatement {
 public:
  TStatement() = default;
  TStatement(sqlite3* db, const std::string& sql);
  TStatement(TStatement&& other) noexcept : stmt_(other.stmt_) { other.stmt_ = nullptr; }
  TStatement& operator=(TStatement&& other) noexcept;
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;
  ~TStatement();

  sqlite3_stmt* get() const { return stmt_; }
  explicit operator bool() const { return stmt_ != nullptr; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

// "People.DB" for "People.DB" or "People"; the folder joined to it.
std::string TableFilePath(const std::string& folder, const std::string& tableName);
// "People" for "People.DB" or "/some/People.DB".
std::string BaseName(const std::string& tableName);
std::string Quote(const std::string& identifier);

// Raises EDatabaseError with a clear message when the file is missing, not a file, or not a whole
// SQLite database.
void CheckTableFile(const std::string& path);
// Opens a table file (read-write when allowed, else read-only) and checks that it holds its
// table. Raises EDatabaseError.
sqlite3* OpenTableFile(const std::string& path, const std::string& table);
std::vector<TFieldDef> ReadFieldDefs(sqlite3* db, const std::string& schema,
                                     const std::string& table);
TFieldDef FieldDefFromDeclaration(const std::string& name, const std::string& declaration);

// Creates a new table file; raises when the file exists already.
void CreateTableFile(const std::string& path, const std::vector<TFieldDef>& fields);

// The values of the current row of a statement, from column `first` on.
void ReadRow(sqlite3_stmt* stmt, int first, TRecord& record);
void BindValue(sqlite3_stmt* stmt, int index, const TValue& value);

// Raises EDatabaseError("what: <SQLite's message>").
[[noreturn]] void Fail(sqlite3* db, const std::string& what);

}  // namespace sqlitedb
