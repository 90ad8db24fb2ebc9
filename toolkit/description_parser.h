// Reads the text of a stored form description into its tree (description_tree.h).
//
//   DescriptionObject root = ParseDescription(text, "main.dfm");
//   DescriptionValue v = ParseDescriptionValue("[biSystemMenu, biMinimize]", "Form1.BorderIcons");
//
// Any fault in the text raises DescriptionError with the file name and line. Nesting of
// objects and collections is bounded, so hostile input cannot exhaust the stack.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/description_error.h"
#include "toolkit/description_tree.h"

inline constexpr int kMaxDescriptionNesting = 32;

DescriptionObject ParseDescription(std::string_view text, const std::string& file_name);

// One value on its own, as the text setter of a published property receives it.
DescriptionValue ParseDescriptionValue(std::string_view text, const std::string& source_name);
