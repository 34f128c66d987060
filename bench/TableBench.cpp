// A table of people: creating it, opening it, and walking it from first to last reading every
// field's DisplayText.
//   TableBench create N FOLDER   makes FOLDER/People.DB with N rows through the database layer
//   TableBench walk FOLDER       opens it and walks it
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/BenchSupport.h"
#include "platform/db/Table.h"
#include "tools/PeopleTable.h"

namespace {

int Create(long count, const char* folder) {
  const auto start = std::chrono::steady_clock::now();
  TTable table;
  table.DatabaseName = folder;
  table.TableName = "People.DB";
  table.CreateTable(PeopleFields());
  // One transaction for the whole load; posting row by row would commit each row.
  std::string sql = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                    std::to_string(count) +
                    ") INSERT INTO People SELECT i, 'Person number ' || i, i % 90, i % 6, i % 200, "
                    "'AB' || (1000000 + i) FROM n";
  std::string command = "sqlite3 '" + std::string(folder) + "/People.DB' \"" + sql + "\"";
  if (std::system(command.c_str()) != 0) return 1;
  Report("create (sqlite3 bulk insert)", count, Seconds(start));
  return 0;
}

int Walk(const char* folder) {
  TTable table;
  table.DatabaseName = folder;
  table.TableName = "People.DB";
  auto start = std::chrono::steady_clock::now();
  table.Open();
  const double open = Seconds(start);
  std::printf("open: %.1f ms\n", open * 1000);
  start = std::chrono::steady_clock::now();
  long records = 0;
  std::size_t characters = 0;
  for (; !table.Eof(); table.Next(), ++records)
    for (int i = 0; i < table.FieldCount(); ++i)
      characters += table.Fields(i)->DisplayText().size();
  Report("walk, every field's DisplayText", records, Seconds(start));
  std::printf("characters read: %zu\n", characters);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && !std::strcmp(argv[1], "create")) return Create(std::atol(argv[2]), argv[3]);
  if (argc == 3 && !std::strcmp(argv[1], "walk")) return Walk(argv[2]);
  std::fprintf(stderr, "usage: %s create N FOLDER | walk FOLDER\n", argv[0]);
  return 2;
}
