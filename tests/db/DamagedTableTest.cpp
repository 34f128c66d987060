#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "db/PeopleFixture.h"
#include "platform/db/Table.h"

namespace {

void Truncate(const std::string& path, std::uintmax_t size) {
  std::filesystem::resize_file(path, size);
}

TEST(DamagedTable, OpeningRaisesADatabaseErrorWithTheReason) {
  struct Case {
    const char* what;
    std::function<void(const std::string& path)> damage;
    const char* message;
  } cases[] = {
      {"missing", [](const std::string& p) { std::filesystem::remove(p); }, "does not exist"},
      {"a folder",
       [](const std::string& p) {
         std::filesystem::remove(p);
         std::filesystem::create_directory(p);
       },
       "Not a table file"},
      {"empty", [](const std::string& p) { Truncate(p, 0); }, "Not a table file"},
      {"truncated", [](const std::string& p) { Truncate(p, std::filesystem::file_size(p) - 1000); },
       "damaged"},
      {"random bytes",
       [](const std::string& p) {
         std::mt19937 random(7);
         std::ofstream out(p, std::ios::binary | std::ios::trunc);
         for (int i = 0; i < 8192; ++i) out.put(static_cast<char>(random()));
       },
       "Not a table file"},
      {"another table inside",
       [](const std::string& p) {
         std::filesystem::remove(p);
         fixture::Exec(p, "CREATE TABLE Other (a INTEGER)");
       },
       "holds no table People"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    fixture::MakePeople(dir.Path(), 2000);
    c.damage(dir.File("People.DB"));
    TTable table;
    table.DatabaseName = dir.Path();
    table.TableName = "People.DB";
    try {
      table.Open();
      ADD_FAILURE() << c.what << ": opened";
    } catch (const EDatabaseError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
          << c.what << ": " << error.what();
    }
    EXPECT_FALSE(table.Active()) << c.what;
  }
}

// Pages damaged inside a file of the right size: reading them is an error, never a crash or a
// table that looks whole.
TEST(DamagedTable, DamagedPagesAreErrorsWhileReading) {
  TempDir dir;
  fixture::MakePeople(dir.Path(), 20000);
  const std::string path = dir.File("People.DB");
  {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(std::filesystem::file_size(path) / 2);
    for (int i = 0; i < 4096; ++i) file.put('\xAA');
  }
  TTable table;
  table.DatabaseName = dir.Path();
  table.TableName = "People.DB";
  long rows = 0;
  EXPECT_THROW(
      {
        table.Open();
        for (; !table.Eof(); table.Next()) ++rows;
      },
      EDatabaseError);
  EXPECT_LT(rows, 20000);
}

}  // namespace
