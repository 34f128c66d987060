#include "platform/system/EInOutError.h"

#include <cstring>

EInOutError::EInOutError(const std::string& message, int errorCode)
    : std::runtime_error(message), ErrorCode(errorCode) {}

std::string SysErrorMessage(int errorCode) {
  char buffer[256];
  // The GNU strerror_r returns the text, which may or may not live in the buffer.
  return ::strerror_r(errorCode, buffer, sizeof buffer);
}
