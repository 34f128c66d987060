#include "db/PeopleFixture.h"

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

namespace fixture {

void Exec(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("open " + path);
  char* error = nullptr;
  const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  const std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error(sql + ": " + message);
}

void MakePeople(const std::string& folder, long rows, const std::string& file) {
  const std::string path = folder + "/" + file;
  const std::string table = std::filesystem::path(file).stem().string();
  Exec(path, "CREATE TABLE \"" + table +
                 "\" (Id INTEGER, Name VARCHAR(40), Prof SMALLINT, Continent SMALLINT, "
                 "Country SMALLINT, Pasport VARCHAR(40));"
                 "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                 std::to_string(rows) + ") INSERT INTO \"" + table +
                 "\" SELECT i, 'Person ' || i, i % 7, i % 5, i % 50, 'P-' || i FROM n WHERE " +
                 std::to_string(rows) + " > 0;");
}

long CountRows(const std::string& path, const std::string& table) {
  sqlite3* db = nullptr;
  // Read-write, so that a journal left by a killed writer is rolled back first.
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, ("SELECT count(*) FROM \"" + table + "\"").c_str(), -1, &stmt, nullptr);
  long count = -1;
  if (sqlite3_step(stmt) == SQLITE_ROW) count = sqlite3_column_int64(stmt, 0);
  sqlite3_finalize(stmt);
  sqlite3_close(db);
  return count;
}

}  // namespace fixture
