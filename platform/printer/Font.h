#pragma once

#include <cstdint>
#include <string>

// Font styles, combined as bits of TFontStyles.
enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;

// The platform's font description: a value type. The size is kept in points, so a font keeps
// its point size when it is assigned to a device of another resolution; Height is the character
// height in pixels of that device, negative as the platform reports a size given in points.
class TFont {
 public:
  std::string Name = "Sans Serif";  // byte string in the ANSI code page
  TFontStyles Style = 0;
  uint32_t Color = 0;   // 0x00BBGGRR
  uint8_t Charset = 1;  // the platform's default character set
  uint8_t Pitch = 0;    // default pitch
  int PixelsPerInch = 96;

  int Size() const { return size_; }
  void SetSize(int points) { size_ = points; }
  int Height() const;
  void SetHeight(int pixels);

  // Copies every attribute except the device resolution, which belongs to the font's owner.
  void Assign(const TFont& source);

  bool SameAs(const TFont& other) const;

 private:
  int size_ = 10;
};
