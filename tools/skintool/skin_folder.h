// The three skintool commands; each returns the program's exit status and reports its
// errors on standard error.
#pragma once

#include <string>

int PackSkinFolder(const std::string& folder, const std::string& output, const std::string& password);
int ListSkinFile(const std::string& file, const std::string& password);
int ExtractSkinFile(const std::string& file, const std::string& folder, const std::string& password);
