#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// Base of every error the framework raises. The event loop catches it (and any other
// std::exception) and shows it to the user without ending the program.
class RuntimeException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An array was read or written past its bounds.
class OutOfBoundsException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

// A control or window was looked up under a name (and index) it does not have.
class NilObjectException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
};

}  // namespace fw
