#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

// The ANSI and OEM code pages of the user's locale, paired the way desktop systems pair them
// (1252/850 for Western European languages, 1252/437 for English, 1251/866 for Cyrillic, ...).
struct TCodePages {
  int Ansi = 1252;
  int Oem = 437;
  bool operator==(const TCodePages&) const = default;
};

// The pair for a locale name such as "de_DE.UTF-8"; English, C and unknown locales give 1252/437.
TCodePages CodePagesForLocale(const std::string& locale);

// The pair of this process, taken from LC_ALL, LC_CTYPE or LANG on first use.
TCodePages SystemCodePages();
// Replaces the process's pair (for tests); answers the previous one.
TCodePages SetSystemCodePages(TCodePages pages);

// Conversions between Unicode and ANSI byte strings of the system pair. A character that the
// ANSI page lacks becomes its plain form (the letter without its accent), or "?" without one.
std::string AnsiFromUnicode(const QString& text);
QString UnicodeFromAnsi(const std::string& text);
// The same between ANSI and UTF-8 byte strings, without going through QString; plain ASCII is
// copied as it is. Bytes that are not valid UTF-8 become "?".
std::string AnsiFromUtf8(std::string_view text);
std::string Utf8FromAnsi(std::string_view text);

// ANSI to OEM, byte for byte through a table built once per pair. Bytes below 80 hex stay as
// they are; a character that the OEM page lacks becomes its plain form, or "?".
// CharToOemA converts up to the terminating zero (and writes it); CharToOemBuffA converts
// exactly length bytes, zero bytes included. Both answer true.
bool CharToOemA(const char* source, char* destination);
bool CharToOemBuffA(const char* source, char* destination, uint32_t length);

// The 256-entry ANSI to OEM table of a pair.
const uint8_t* AnsiToOemTable(TCodePages pages);
