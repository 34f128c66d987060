#pragma once

#include <cstdint>
#include <string>

// Alignment values wherever a text is placed in a width.
constexpr int taLeft = 0;
constexpr int taRight = 1;
constexpr int taCenter = 2;

// Text placed in exactly Width characters: cut at the right when it is longer, else padded with
// spaces by the alignment (an odd spare space of a centred text falls to the right). A width of
// 0 or less gives the empty string.
std::string FitText(const std::string& Text, int Width, int Alignment);

// Count "-" characters; empty for 0 or less.
std::string DashString(int16_t Count);

// The platform's integer conversion with a default: optional sign and decimal digits giving a
// 32-bit signed value; anything else gives Default.
int32_t StrToIntDef(const std::string& text, int32_t Default);
