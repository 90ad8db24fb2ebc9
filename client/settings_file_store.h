// The settings file as the controller's store.
#pragma once

#include <string>

#include "client/connection_controller.h"
#include "client/settings_file.h"

class SettingsFileStore : public SettingsStore {
 public:
  explicit SettingsFileStore(std::string path) : path_(std::move(path)) {}

  ClientSettings Load() override { return LoadSettings(path_); }
  void Save(const ClientSettings& values) override { SaveSettings(path_, values); }
  ClientSettings Reload() override {
    ClientSettings settings;
    ReloadSettings(path_, settings);
    return settings;
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};
