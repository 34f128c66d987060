#pragma once

#include <stdexcept>
#include <string>

// An error of the database engine; the message is an ANSI byte string.
class EDatabaseError : public std::runtime_error {
 public:
  explicit EDatabaseError(const std::string& message) : std::runtime_error(message) {}
};
