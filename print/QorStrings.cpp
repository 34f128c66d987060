#include "print/QorStrings.h"

std::string FitText(const std::string& Text, int Width, int Alignment) {
  if (Width <= 0) return {};
  const std::size_t width = static_cast<std::size_t>(Width);
  if (Text.size() >= width) return Text.substr(0, width);
  const std::size_t spare = width - Text.size();
  std::size_t lead = 0;
  if (Alignment == taRight) lead = spare;
  if (Alignment == taCenter) lead = spare / 2;
  std::string result(width, ' ');
  result.replace(lead, Text.size(), Text);
  return result;
}

std::string DashString(int16_t Count) {
  return Count > 0 ? std::string(Count, '-') : std::string();
}

int32_t StrToIntDef(const std::string& text, int32_t Default) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return Default;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return Default;
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT32_MAX} + 1) return Default;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return Default;
  return static_cast<int32_t>(value);
}
