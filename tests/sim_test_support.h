// Shared helpers of the flight simulation tests: a heap-allocated state filled with
// the default flight values, and a temporary folder of one's own.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "base/flight_data.h"
#include "base/preset_data.h"

namespace orv::testing {

// The state as the main window leaves it after an activation with the default values.
inline std::unique_ptr<SharedState> DefaultState() {
  auto state = std::make_unique<SharedState>();
  PresetRecord preset;
  StoreDefaultValues(preset);
  ApplyPresetValues(preset, state->fd);
  return state;
}

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvantis_sim_XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

}  // namespace orv::testing
