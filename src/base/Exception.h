#pragma once
#include <stdexcept>
#include <string>

// The one exception type of the engine: loading errors and misuse carry the
// text that is shown to the user, so it must read well on its own.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};
