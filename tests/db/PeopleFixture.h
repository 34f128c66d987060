#pragma once

#include <string>
#include <vector>

#include "platform/db/Record.h"
#include "support/TempDir.h"

// Table files for tests, made with SQLite directly (not with the code under test).
namespace fixture {

// A table file People.DB in `folder` with the fields of the people table (Id INTEGER,
// Name VARCHAR(40), Prof SMALLINT, Continent SMALLINT, Country SMALLINT, Pasport VARCHAR(40))
// and `rows` generated rows: Id i, Name "Person i", Prof i % 7, Continent i % 5,
// Country i % 50, Pasport "P-i", for i from 1.
void MakePeople(const std::string& folder, long rows, const std::string& file = "People.DB");
// Runs SQL (UTF-8) on a table file.
void Exec(const std::string& path, const std::string& sql);
// Count of rows of a table file.
long CountRows(const std::string& path, const std::string& table);

}  // namespace fixture
