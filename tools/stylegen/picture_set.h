// Every picture file of the built-in styles and of the main window, encoded and named.
//
//   for (const PictureFile& file : BuildPictureSet()) { ... file.relativePath ... }
//   WritePictureSet("/tmp/out");   // writes out/styles/*.bmp and out/main_window/*
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct PictureFile {
  std::string relativePath;  // e.g. "styles/MACOS_BUTTON.bmp", below the resources folder
  std::vector<std::uint8_t> bytes;
};

std::vector<PictureFile> BuildPictureSet();

// Writes the set below `root`, creating its subfolders. Throws std::runtime_error when a
// file cannot be written.
void WritePictureSet(const std::filesystem::path& root);
