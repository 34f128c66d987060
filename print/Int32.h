#pragma once

// 32-bit signed arithmetic of the engine: sums and products wrap as the machine's 32-bit
// registers do, divisions truncate toward zero, and a division by zero raises EDivByZero instead
// of crashing.

#include <cmath>
#include <cstdint>
#include <stdexcept>

class EDivByZero : public std::runtime_error {
 public:
  EDivByZero() : std::runtime_error("Division by zero") {}
};

inline int32_t Add32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int32_t Sub32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int32_t Mul32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
inline int32_t Div32(int32_t a, int32_t b) {
  if (b == 0) throw EDivByZero();
  if (a == INT32_MIN && b == -1) return INT32_MIN;
  return a / b;
}
inline int32_t Abs32(int32_t a) {
  return a < 0 ? Sub32(0, a) : a;
}

// A floating-point value truncated toward zero into 32 bits; NaN gives 0 and values beyond the
// range give its nearest end.
inline int32_t TruncToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return INT32_MAX;
  if (value <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(value);
}
