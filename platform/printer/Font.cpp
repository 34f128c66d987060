#include "platform/printer/Font.h"

#include <cmath>
#include <cstdint>

namespace {
// a * b / c rounded half away from zero, as the platform's MulDiv; 0 when c is 0.
int MulDiv(int a, int b, int c) {
  if (c == 0) return 0;
  const double exact = static_cast<double>(a) * b / c;
  if (exact >= INT32_MAX) return INT32_MAX;
  if (exact <= INT32_MIN) return INT32_MIN;
  return static_cast<int>(std::lround(exact));
}
}  // namespace

int TFont::Height() const {
  return -MulDiv(size_, PixelsPerInch, 72);
}

void TFont::SetHeight(int pixels) {
  size_ = -MulDiv(pixels, 72, PixelsPerInch);
}

void TFont::Assign(const TFont& source) {
  Name = source.Name;
  Style = source.Style;
  Color = source.Color;
  Charset = source.Charset;
  Pitch = source.Pitch;
  size_ = source.size_;
}

bool TFont::SameAs(const TFont& other) const {
  return Name == other.Name && Style == other.Style && Color == other.Color &&
         Charset == other.Charset && Pitch == other.Pitch && size_ == other.size_;
}
