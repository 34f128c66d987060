#pragma once

#include <vector>

#include "platform/db/Record.h"

// The fields of the people table of the demo program, People.DB.
inline std::vector<TFieldDef> PeopleFields() {
  return {{"Id", TFieldType::ftInteger, 0},       {"Name", TFieldType::ftString, 40},
          {"Prof", TFieldType::ftSmallint, 0},    {"Continent", TFieldType::ftSmallint, 0},
          {"Country", TFieldType::ftSmallint, 0}, {"Pasport", TFieldType::ftString, 40}};
}
