// Any bytes as the settings file: the line reader keeps its counts straight
// and gives only usable intervals and offsets, and start-up followed by one
// tick ends with finite values in every field.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "settings/SettingsFile.h"
#include "tests/fuzz/FuzzChecks.h"
#include "window/Headless.h"
#include "window/MainForm.h"

namespace {

using namespace tessaly;


// A private settings folder for the whole run.
const std::filesystem::path& settingsFile() {
  static const std::filesystem::path file = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessaly-fuzz-XXXXXX").string();
    const char* dir = mkdtemp(pattern.data());
    if (dir == nullptr) std::abort();
    setenv("XDG_CONFIG_HOME", dir, 1);
    return settingsFilePath();
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SettingsReading r = parseSettingsLine(bytes);
  if (r.fieldsRead < 0 || r.fieldsRead > 11 || r.complete != (r.fieldsRead == 11)) std::abort();
  if (r.fieldsRead >= 9 && r.values.timerMs < 1000) std::abort();
  if (r.values.azimShift && !(std::fabs(*r.values.azimShift) <= 360)) std::abort();

  std::ofstream(settingsFile(), std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(size));
  FixedClock clock;
  clock.set(9, 12, 2026, 21, 0, 0);
  SilentMessages messages;
  NoExit exit;
  MainForm form(clock, messages, exit);
  form.Form_Load();
  form.Timer1_Timer();
  fuzz::requireFiniteValueFields(form.model());
  return 0;
}
