// The settings file "\tarnwick.ini" in the Windows system directory. Every operation
// opens the file afresh by path and raises InOutError on any failure.
#pragma once

#include <string>

#include "client/client_settings.h"

// The system directory as GetSystemDirectoryA reports it, plus "\tarnwick.ini".
std::string SettingsFilePath();

// Creates the file with the default five lines when it is missing, then reads it.
ClientSettings LoadSettings(const std::string& path);

// Replaces the file with the five lines. The lines go to a file beside it first, which
// then takes the old file's place in one step: a failed or interrupted save leaves the
// previous file whole.
void SaveSettings(const std::string& path, const ClientSettings& values);

// Reads the five lines back into the record.
void ReloadSettings(const std::string& path, ClientSettings& settings);
