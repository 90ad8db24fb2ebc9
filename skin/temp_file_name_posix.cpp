#include "skin/temp_file_name.h"

#include <cstdio>
#include <filesystem>
#include <random>

std::string NewTemporaryFilePath() {
  std::random_device entropy;
  std::mt19937_64 generator((std::uint64_t{entropy()} << 32) ^ entropy());
  const std::uint64_t high = generator();
  const std::uint64_t low = generator();
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%04X-%04X%08X}", static_cast<unsigned>(high >> 32),
                static_cast<unsigned>((high >> 16) & 0xFFFF), static_cast<unsigned>(high & 0xFFFF),
                static_cast<unsigned>(low >> 48), static_cast<unsigned>((low >> 32) & 0xFFFF),
                static_cast<unsigned>(low & 0xFFFFFFFF));
  std::error_code error;
  std::filesystem::path directory = std::filesystem::temp_directory_path(error);
  if (error) directory = "/tmp";
  return (directory / text).string();
}
