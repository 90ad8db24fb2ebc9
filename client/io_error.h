// The error that every failed open, read, write or close of the settings file raises.
// The application's top-level handler shows its text (a full stop appended) and the
// program keeps running.
#pragma once

#include <stdexcept>
#include <string>

class InOutError : public std::runtime_error {
 public:
  explicit InOutError(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

// "File access denied" for 5, "I/O error 87" for a code without a text of its own.
std::string InOutErrorText(int code);
