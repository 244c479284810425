#pragma once
// Points XDG_CONFIG_HOME at a fresh temporary folder for the test's life, so
// that no test reads or writes the user's real settings.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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

 private:
  std::filesystem::path dir_;
};

}  // namespace tessaly::testing
