#include "platform/system/CodePage.h"

#include <iconv.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>

namespace {

struct LanguagePair {
  const char* language;
  TCodePages pages;
};

// Languages whose pair differs from the English default.
constexpr LanguagePair kLanguagePairs[] = {
    {"de", {1252, 850}}, {"fr", {1252, 850}}, {"es", {1252, 850}},  {"it", {1252, 850}},
    {"pt", {1252, 850}}, {"nl", {1252, 850}}, {"da", {1252, 850}},  {"sv", {1252, 850}},
    {"nb", {1252, 850}}, {"nn", {1252, 850}}, {"no", {1252, 850}},  {"fi", {1252, 850}},
    {"is", {1252, 850}}, {"ca", {1252, 850}}, {"eu", {1252, 850}},  {"gl", {1252, 850}},
    {"ga", {1252, 850}}, {"af", {1252, 850}}, {"ru", {1251, 866}},  {"uk", {1251, 866}},
    {"be", {1251, 866}}, {"bg", {1251, 866}}, {"sr", {1251, 866}},  {"mk", {1251, 866}},
    {"pl", {1250, 852}}, {"cs", {1250, 852}}, {"sk", {1250, 852}},  {"hu", {1250, 852}},
    {"hr", {1250, 852}}, {"sl", {1250, 852}}, {"ro", {1250, 852}},  {"sq", {1250, 852}},
    {"el", {1253, 737}}, {"tr", {1254, 857}}, {"he", {1255, 862}},  {"lt", {1257, 775}},
    {"lv", {1257, 775}}, {"et", {1257, 775}}, {"vi", {1258, 1258}},
};

std::string IconvName(int codePage) {
  return (codePage >= 1250 && codePage <= 1258 ? "WINDOWS-" : "CP") + std::to_string(codePage);
}

// Unicode of each byte of an 8-bit code page; nullopt where the page defines no character.
using ByteTable = std::array<std::optional<char32_t>, 256>;

ByteTable DecodeCodePage(int codePage) {
  ByteTable table;
  for (int b = 0; b < 0x80; ++b) table[b] = static_cast<char32_t>(b);
  iconv_t cd = ::iconv_open("UTF-32LE", IconvName(codePage).c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return table;
  for (int b = 0x80; b < 0x100; ++b) {
    char in = static_cast<char>(b);
    unsigned char out[8] = {};
    char* inPtr = &in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = 1, outLeft = sizeof out;
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    // Success is judged by what was consumed and produced, not by the result.
    ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (inLeft == 0 && outLeft == sizeof out - 4)
      table[b] = out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
  }
  ::iconv_close(cd);
  return table;
}

const ByteTable& DecodedPage(int codePage) {
  static std::map<int, std::unique_ptr<ByteTable>> cache;
  auto& slot = cache[codePage];
  if (!slot) slot = std::make_unique<ByteTable>(DecodeCodePage(codePage));
  return *slot;
}

using Encoder = std::unordered_map<char32_t, uint8_t>;

const Encoder& EncoderOf(int codePage) {
  static std::map<int, std::unique_ptr<Encoder>> cache;
  auto& slot = cache[codePage];
  if (!slot) {
    slot = std::make_unique<Encoder>();
    const ByteTable& decoded = DecodedPage(codePage);
    for (int b = 0xFF; b >= 0; --b)  // lowest byte wins where two bytes share a character
      if (decoded[b]) (*slot)[*decoded[b]] = static_cast<uint8_t>(b);
  }
  return *slot;
}

// The byte of a character in a page, else of its plain form, else "?".
uint8_t EncodeChar(const Encoder& encoder, char32_t ch) {
  if (auto it = encoder.find(ch); it != encoder.end()) return it->second;
  if (ch <= 0xFFFF) {
    const QString decomposition = QChar(static_cast<char16_t>(ch)).decomposition();
    if (!decomposition.isEmpty()) {
      const char32_t base = decomposition.at(0).unicode();
      if (auto it = encoder.find(base); it != encoder.end()) return it->second;
    }
  }
  return '?';
}

TCodePages& CurrentPages() {
  static TCodePages pages = [] {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
      const char* value = std::getenv(variable);
      if (value && *value) return CodePagesForLocale(value);
    }
    return TCodePages{};
  }();
  return pages;
}

}  // namespace

TCodePages CodePagesForLocale(const std::string& locale) {
  const std::string language = locale.substr(0, locale.find_first_of("_.@"));
  for (const LanguagePair& pair : kLanguagePairs)
    if (language == pair.language) return pair.pages;
  return TCodePages{};
}

TCodePages SystemCodePages() {
  return CurrentPages();
}

TCodePages SetSystemCodePages(TCodePages pages) {
  const TCodePages previous = CurrentPages();
  CurrentPages() = pages;
  return previous;
}

std::string AnsiFromUnicode(const QString& text) {
  const Encoder& encoder = EncoderOf(SystemCodePages().Ansi);
  std::string result;
  result.reserve(text.size());
  for (char32_t ch : text.toUcs4()) result += static_cast<char>(EncodeChar(encoder, ch));
  return result;
}

QString UnicodeFromAnsi(const std::string& text) {
  const ByteTable& decoded = DecodedPage(SystemCodePages().Ansi);
  std::u32string ucs;
  ucs.reserve(text.size());
  for (unsigned char b : text) ucs += decoded[b] ? *decoded[b] : U'?';
  return QString::fromUcs4(ucs.data(), static_cast<qsizetype>(ucs.size()));
}

namespace {

bool IsAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

// The next character of UTF-8 text at i, advancing i; U+FFFD for a malformed sequence.
char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
  const unsigned char lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || lead > 0xF4) return 0xFFFD;
  char32_t ch = lead & (0x3F >> extra);
  for (; extra > 0; --extra) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
    ch = ch << 6 | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return ch;
}

void EncodeUtf8(char32_t ch, std::string& out) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | ch >> 6);
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | ch >> 12);
    out += static_cast<char>(0x80 | (ch >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | ch >> 18);
    out += static_cast<char>(0x80 | (ch >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (ch >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

}  // namespace

std::string AnsiFromUtf8(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  const Encoder& encoder = EncoderOf(SystemCodePages().Ansi);
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t ch = DecodeUtf8(text, i);
    result += ch == 0xFFFD ? '?' : static_cast<char>(EncodeChar(encoder, ch));
  }
  return result;
}

std::string Utf8FromAnsi(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  const ByteTable& decoded = DecodedPage(SystemCodePages().Ansi);
  std::string result;
  result.reserve(text.size() * 2);
  for (unsigned char b : text) EncodeUtf8(decoded[b] ? *decoded[b] : U'?', result);
  return result;
}

const uint8_t* AnsiToOemTable(TCodePages pages) {
  static std::map<std::pair<int, int>, std::array<uint8_t, 256>> cache;
  auto [it, inserted] = cache.try_emplace({pages.Ansi, pages.Oem});
  if (inserted) {
    const ByteTable& ansi = DecodedPage(pages.Ansi);
    const Encoder& oem = EncoderOf(pages.Oem);
    for (int b = 0; b < 0x100; ++b)
      it->second[b] = b < 0x80 ? b : ansi[b] ? EncodeChar(oem, *ansi[b]) : '?';
  }
  return it->second.data();
}

namespace {

// The table of the system pair, looked up again only when the pair changes.
const uint8_t* SystemOemTable() {
  static TCodePages cachedFor{0, 0};
  static const uint8_t* table = nullptr;
  const TCodePages pages = SystemCodePages();
  if (!table || !(pages == cachedFor)) {
    table = AnsiToOemTable(pages);
    cachedFor = pages;
  }
  return table;
}

}  // namespace

bool CharToOemBuffA(const char* source, char* destination, uint32_t length) {
  const uint8_t* table = SystemOemTable();
  uint32_t i = 0;
  // Runs of plain ASCII, the usual text, are copied eight bytes at a time.
  for (; i + 8 <= length; i += 8) {
    uint64_t word;
    std::memcpy(&word, source + i, 8);
    if ((word & 0x8080808080808080ull) == 0) {
      std::memcpy(destination + i, &word, 8);
      continue;
    }
    for (uint32_t j = i; j < i + 8; ++j)
      destination[j] = static_cast<char>(table[static_cast<uint8_t>(source[j])]);
  }
  for (; i < length; ++i)
    destination[i] = static_cast<char>(table[static_cast<uint8_t>(source[i])]);
  return true;
}

bool CharToOemA(const char* source, char* destination) {
  const uint8_t* table = SystemOemTable();
  do {
    *destination++ = static_cast<char>(table[static_cast<uint8_t>(*source)]);
  } while (*source++ != 0);
  return true;
}
