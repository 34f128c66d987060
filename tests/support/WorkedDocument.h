#pragma once

#include <string>

// The worked text-mode document: 62 lines of 85 characters on A4 with the default settings but
// text mode (pitch 1, interval 1, no unprintable edge), written out byte by byte.
namespace worked {

inline std::string CallerLine(int i) {
  return "line " + std::to_string(i) + " " + std::string(80, 'x');
}

inline std::string TextDocument() {
  const std::string six(6, ' ');
  std::string expected = std::string("\x1b\x50\x12\x1b\x33\x24", 6) + "\r\n\r\n\r\n" + six + "\r\n";
  for (int i = 1; i <= 60; ++i) expected += six + CallerLine(i).substr(0, 70) + "\r\n";
  expected += "\f\r\n" + std::string(39, ' ') + "- 2 -\r\n\r\n";
  for (int i = 61; i <= 62; ++i) expected += six + CallerLine(i).substr(0, 70) + "\r\n";
  expected += "\f" + six + "\x1b@\r\n";
  return expected;
}

}  // namespace worked
