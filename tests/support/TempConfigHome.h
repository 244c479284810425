#pragma once
// Points XDG_CONFIG_HOME at a fresh temporary folder for the test's life, so
// that no test reads or writes the user's real settings.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tessaly::testing {

class TempConfigHome {
 public:
  TempConfigHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaly-test-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  }
  ~TempConfigHome() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  std::filesystem::path settingsFile() const { return dir_ / "tessaly.ini"; }
  void writeSettings(const std::string& bytes) const {
    std::ofstream(settingsFile(), std::ios::binary) << bytes;
  }
  std::string readSettings() const {
    std::ifstream in(settingsFile(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // What the settings folder holds, sorted: a save leaves nothing beside the file.
  std::vector<std::string> namesInFolder() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
      names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace tessaly::testing
