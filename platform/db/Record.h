#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// One value of a record: null, an integer, or an ANSI text.
using TValue = std::variant<std::monostate, int64_t, std::string>;
using TRecord = std::vector<TValue>;

enum class TFieldType { ftInteger, ftSmallint, ftString };

// A field of a table as the engine stores it.
struct TFieldDef {
  std::string Name;
  TFieldType DataType = TFieldType::ftString;
  int Size = 0;  // characters of a string field
};

// Where a dataset's cursor stands, as a bookmark keeps it: the engine's position (a row id, or a
// row number) and the record's values.
struct TBookmarkData {
  int64_t Position = 0;
  TRecord Values;
};
using TBookmark = TBookmarkData*;
