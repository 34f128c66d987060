#pragma once

#include <stdexcept>
#include <string>

// The platform's input/output error. The message is a byte string in the ANSI code page;
// ErrorCode holds the operating system's error number, or 0 when the error carries only a text.
class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const std::string& message, int errorCode = 0);

  int ErrorCode;
};

// The platform's text for an I/O error number, as shown to users.
std::string SysErrorMessage(int errorCode);
