#include <gtest/gtest.h>

#include <cstring>

#include "platform/system/CodePage.h"

TEST(CodePage, PairFollowsTheLocale) {
  struct Case {
    const char* locale;
    TCodePages pages;
  } cases[] = {
      {"de_DE.UTF-8", {1252, 850}},     {"en_US.UTF-8", {1252, 437}}, {"ru_RU.UTF-8", {1251, 866}},
      {"pl_PL", {1250, 852}},           {"C", {1252, 437}},           {"C.UTF-8", {1252, 437}},
      {"fr_CA.UTF-8@euro", {1252, 850}}};
  for (const Case& c : cases) EXPECT_EQ(CodePagesForLocale(c.locale), c.pages) << c.locale;
}

TEST(CodePage, AnsiToOemTables) {
  struct Case {
    TCodePages pages;
    unsigned char ansi, oem;
  } cases[] = {
      {{1252, 850}, 0xE9, 0x82}, {{1252, 850}, 0xC0, 0xB7},
      {{1252, 850}, 0xA0, 0xFF}, {{1252, 437}, 0xC0, 'A'},  // not in 437: its plain form
      {{1252, 437}, 0xE9, 0x82}, {{1251, 866}, 0xE9, 0xA9},
      {{1252, 437}, 0x80, '?'},  // the euro sign has no plain form
      {{1252, 850}, 0x41, 0x41}, {{1252, 850}, 0x1B, 0x1B},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AnsiToOemTable(c.pages)[c.ansi], c.oem)
        << c.pages.Ansi << "/" << c.pages.Oem << " byte " << int(c.ansi);
}

TEST(CodePage, ConversionsUseTheSystemPair) {
  const TCodePages previous = SetSystemCodePages({1252, 850});
  char out[8] = {};
  CharToOemA("\xe9t\xe9", out);
  EXPECT_STREQ(out, "\x82t\x82");
  char buffer[3];
  CharToOemBuffA("\xe9\0\xe9", buffer, 3);  // zero bytes included
  EXPECT_EQ(std::string(buffer, 3), std::string("\x82\0\x82", 3));

  // \u0100 (A with macron) is not in 1252: its plain form; a CJK ideograph has none.
  EXPECT_EQ(AnsiFromUnicode(QString::fromUtf8("caf\u00e9 \u0100\u20ac\u4e00")), "caf\xe9 A\x80?");
  EXPECT_EQ(UnicodeFromAnsi("caf\xe9 \x80"), QString::fromUtf8("caf\u00e9 \u20ac"));

  SetSystemCodePages({1251, 866});
  EXPECT_EQ(AnsiFromUnicode(QString::fromUtf8("\u0439")), "\xe9");
  SetSystemCodePages(previous);
}

TEST(CodePage, Utf8AndAnsiByteStrings) {
  const TCodePages previous = SetSystemCodePages({1252, 850});
  struct Case {
    std::string utf8, ansi;
  } cases[] = {{"plain", "plain"},
               {"Ren\xc3\xa9", "Ren\xe9"},
               {"\xe2\x82\xac 5", "\x80 5"},
               {"\xc4\x80", "A"},  // not in 1252: its plain form
               {"\xe4\xb8\x80", "?"}};
  for (const Case& c : cases) {
    EXPECT_EQ(AnsiFromUtf8(c.utf8), c.ansi) << c.utf8;
    if (c.ansi != "A" && c.ansi != "?") {
      EXPECT_EQ(Utf8FromAnsi(c.ansi), c.utf8) << c.utf8;
    }
  }
  EXPECT_EQ(AnsiFromUtf8("a\xff"
                         "b\xc3"),
            "a?b?");  // malformed UTF-8
  SetSystemCodePages(previous);
}
