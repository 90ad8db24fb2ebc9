// Where a file theme finds the skin file it is given: the name as given, else its file
// name part beside the program, in the Windows directory or in the system directory.
//
//   std::optional<std::string> path = FindThemeFile("blue.skn");   // "C:\app\blue.skn"
#pragma once

#include <optional>
#include <string>

// True for an existing file; a directory does not count.
bool ThemeFileExists(const std::string& path);

// The first existing candidate, or nothing when the file is found nowhere.
std::optional<std::string> FindThemeFile(const std::string& name);
