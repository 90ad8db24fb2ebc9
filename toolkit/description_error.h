// The one error of reading a stored form description: where (file and line) and what.
#pragma once

#include <stdexcept>
#include <string>

class DescriptionError : public std::runtime_error {
 public:
  DescriptionError(const std::string& file, int line, const std::string& message)
      : std::runtime_error(file + "(" + std::to_string(line) + "): " + message),
        file_(file), line_(line), message_(message) {}

  const std::string& File() const { return file_; }
  int Line() const { return line_; }
  const std::string& Message() const { return message_; }

 private:
  std::string file_;
  int line_;
  std::string message_;
};
