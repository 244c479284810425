// Any bytes as the settings file: the line reader keeps its counts straight
// and gives only usable intervals and offsets, and start-up followed by one
// tick ends with finite values in every field.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string_view>

#include "settings/SettingsFile.h"
#include "tests/fuzz/FuzzChecks.h"
#include "tests/support/TempConfigHome.h"
#include "window/Headless.h"
#include "window/MainForm.h"

namespace {

using namespace tessaly;

// A private settings folder for the whole run.
const testing::TempConfigHome kHome;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SettingsReading r = parseSettingsLine(bytes);
  if (r.fieldsRead < 0 || r.fieldsRead > 11 || r.complete != (r.fieldsRead == 11)) std::abort();
  if (r.fieldsRead >= 9 && r.values.timerMs < 1000) std::abort();
  if (r.values.azimShift && !(std::fabs(*r.values.azimShift) <= 360)) std::abort();

  std::ofstream(kHome.settingsFile(), std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(size));
  HeadlessForm f;
  f.clock.set(9, 12, 2026, 21, 0, 0);
  f.form.Form_Load();
  f.form.Timer1_Timer();
  fuzz::requireFiniteValueFields(f.form.model());
  return 0;
}
