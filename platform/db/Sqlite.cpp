#include "platform/db/Sqlite.h"

#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/db/DBError.h"
#include "platform/system/CodePage.h"

namespace sqlitedb {

TStatement::TStatement(sqlite3* db, const std::string& sql) {
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt_, nullptr) !=
      SQLITE_OK) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    Fail(db, "Cannot read the table");
  }
}

TStatement& TStatement::operator=(TStatement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(stmt_);
    stmt_ = other.stmt_;
    other.stmt_ = nullptr;
  }
  return *this;
}

TStatement::~TStatement() {
  sqlite3_finalize(stmt_);
}

void Fail(sqlite3* db, const std::string& what) {
  throw EDatabaseError(what + ": " + AnsiFromUtf8(db ? sqlite3_errmsg(db) : "out of memory"));
}

std::string TableFilePath(const std::string& folder, const std::string& tableName) {
  std::string name = tableName;
  if (std::filesystem::path(name).extension().empty()) name += ".DB";
  if (folder.empty() || name.front() == '/') return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string BaseName(const std::string& tableName) {
  return std::filesystem::path(tableName).stem().string();
}

std::string Quote(const std::string& identifier) {
  std::string quoted = "\"";
  for (char c : identifier) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

void CheckTableFile(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) throw EDatabaseError("Table does not exist: " + path);
  if (!std::filesystem::is_regular_file(status)) throw EDatabaseError("Not a table file: " + path);
  const auto size = std::filesystem::file_size(path, error);
  unsigned char header[100] = {};
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(header), sizeof header) ||
      std::memcmp(header, "SQLite format 3", 16) != 0)
    throw EDatabaseError("Not a table file or damaged: " + path);
  // The header tells the page size and, when it is current, the number of pages: a file of
  // another size has been cut short or added to.
  uint32_t pageSize = header[16] << 8 | header[17];
  if (pageSize == 1) pageSize = 65536;
  const uint32_t pages = header[28] << 24 | header[29] << 16 | header[30] << 8 | header[31];
  const bool pagesCurrent = std::memcmp(header + 24, header + 92, 4) == 0 && pages != 0;
  if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0 || size % pageSize != 0 ||
      (pagesCurrent && uint64_t{pages} * pageSize != size))
    throw EDatabaseError("Table file is damaged (truncated or wrong size): " + path);
}

sqlite3* OpenTableFile(const std::string& path, const std::string& table) {
  CheckTableFile(path);
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close(db);
    db = nullptr;
    rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
  }
  if (rc != SQLITE_OK) {
    const std::string message = "Cannot open table " + path;
    try {
      Fail(db, message);
    } catch (...) {
      sqlite3_close(db);
      throw;
    }
  }
  sqlite3_busy_timeout(db, 5000);
  try {
    TStatement check(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?1");
    sqlite3_bind_text(check.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(check.get()) != SQLITE_ROW) Fail(db, "Table file is damaged: " + path);
    if (sqlite3_column_int(check.get(), 0) != 1)
      throw EDatabaseError("Not a table file: " + path + " holds no table " + table);
  } catch (const EDatabaseError& error) {
    sqlite3_close(db);
    throw EDatabaseError(std::strstr(error.what(), path.c_str())
                             ? error.what()
                             : "Table file is damaged: " + path + ": " + error.what());
  }
  return db;
}

TFieldDef FieldDefFromDeclaration(const std::string& name, const std::string& declaration) {
  const QString type = QString::fromStdString(declaration).toUpper().trimmed();
  TFieldDef def{name, TFieldType::ftString, 255};
  if (type.startsWith("SMALLINT")) {
    def.DataType = TFieldType::ftSmallint;
    def.Size = 0;
  } else if (type.startsWith("INT")) {
    def.DataType = TFieldType::ftInteger;
    def.Size = 0;
  } else {
    const qsizetype open = type.indexOf('('), close = type.indexOf(')');
    if (open > 0 && close > open) {
      bool ok = false;
      const int size = type.mid(open + 1, close - open - 1).trimmed().toInt(&ok);
      if (ok && size > 0) def.Size = size;
    }
  }
  return def;
}

std::vector<TFieldDef> ReadFieldDefs(sqlite3* db, const std::string& schema,
                                     const std::string& table) {
  TStatement info(db, "PRAGMA " + Quote(schema) + ".table_info(" + Quote(table) + ")");
  std::vector<TFieldDef> defs;
  int rc;
  while ((rc = sqlite3_step(info.get())) == SQLITE_ROW) {
    auto text = [&](int column) {
      const unsigned char* value = sqlite3_column_text(info.get(), column);
      return std::string(value ? reinterpret_cast<const char*>(value) : "");
    };
    defs.push_back(FieldDefFromDeclaration(AnsiFromUtf8(text(1)), text(2)));
  }
  if (rc != SQLITE_DONE) Fail(db, "Cannot read the fields of " + table);
  if (defs.empty()) throw EDatabaseError("Table " + table + " has no fields");
  return defs;
}

namespace {

std::string Declaration(const TFieldDef& def) {
  switch (def.DataType) {
    case TFieldType::ftInteger:
      return "INTEGER";
    case TFieldType::ftSmallint:
      return "SMALLINT";
    default:
      return "VARCHAR(" + std::to_string(def.Size > 0 ? def.Size : 255) + ")";
  }
}

}  // namespace

void CreateTableFile(const std::string& path, const std::vector<TFieldDef>& fields) {
  if (std::filesystem::exists(path)) throw EDatabaseError("Table already exists: " + path);
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    const std::string message = "Cannot create table " + path;
    sqlite3_close(db);
    throw EDatabaseError(message);
  }
  std::string sql = "CREATE TABLE " + Quote(BaseName(path)) + " (";
  for (std::size_t i = 0; i < fields.size(); ++i)
    sql += (i ? ", " : "") + Quote(Utf8FromAnsi(fields[i].Name)) + " " + Declaration(fields[i]);
  sql += ")";
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = "Cannot create table " + path + ": " + (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
    std::remove(path.c_str());
    throw EDatabaseError(message);
  }
  sqlite3_close(db);
}

void ReadRow(sqlite3_stmt* stmt, int first, TRecord& record) {
  const int count = sqlite3_column_count(stmt) - first;
  record.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int column = first + i;
    switch (sqlite3_column_type(stmt, column)) {
      case SQLITE_NULL:
        record[i] = std::monostate{};
        break;
      case SQLITE_INTEGER:
        record[i] = static_cast<int64_t>(sqlite3_column_int64(stmt, column));
        break;
      default: {
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        const std::string_view utf8(text ? text : "",
                                    static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
        const bool ascii = std::all_of(utf8.begin(), utf8.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (auto* existing = std::get_if<std::string>(&record[i]); existing && ascii)
          existing->assign(utf8);  // reuses the string's room, row after row
        else
          record[i] = ascii ? std::string(utf8) : AnsiFromUtf8(utf8);
      }
    }
  }
}

void BindValue(sqlite3_stmt* stmt, int index, const TValue& value) {
  if (const auto* number = std::get_if<int64_t>(&value)) {
    sqlite3_bind_int64(stmt, index, *number);
  } else if (const auto* text = std::get_if<std::string>(&value)) {
    const std::string utf8 = Utf8FromAnsi(*text);
    sqlite3_bind_text(stmt, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
  } else {
    sqlite3_bind_null(stmt, index);
  }
}

}  // namespace sqlitedb
