// Makes the demo table People.DB from its text file (Id;Name;Prof;Continent;Country;Pasport a
// line, UTF-8, "#" comments), through the database layer.
//   MakePeopleDB people.txt FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/db/Table.h"
#include "platform/system/CodePage.h"
#include "tools/PeopleTable.h"

namespace {

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> parts;
  std::stringstream stream(line);
  std::string part;
  while (std::getline(stream, part, ';')) parts.push_back(part);
  return parts;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s people.txt FOLDER\n", argv[0]);
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path folder = argv[2];
  const fs::path scratch = folder / ".people-new";
  try {
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    TTable table;
    table.DatabaseName = scratch.string();
    table.TableName = "People.DB";
    table.CreateTable(PeopleFields());
    table.Open();
    table.StartTransaction();
    std::ifstream in(argv[1]);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
      ++number;
      if (line.empty() || line[0] == '#') continue;
      const std::vector<std::string> values = Split(line);
      if (values.size() != 6)
        throw EDatabaseError("line " + std::to_string(number) + ": six values expected");
      table.Insert();
      for (int i = 0; i < 6; ++i) table.Fields(i)->SetAsString(AnsiFromUtf8(values[i]));
      table.Post();
    }
    table.Commit();
    table.Close();
    // The finished table replaces the old one in one step.
    fs::rename(scratch / "People.DB", folder / "People.DB");
    fs::remove_all(scratch);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "MakePeopleDB: %s\n", error.what());
    fs::remove_all(scratch);
    return 1;
  }
  return 0;
}
