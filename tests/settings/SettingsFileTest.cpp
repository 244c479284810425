// The one-line settings file: its line written and read, where it lives, and
// replacing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>

#include "settings/SettingsFile.h"
#include "tests/support/TempConfigHome.h"

namespace fs = std::filesystem;
using namespace tessaly;

namespace {

// The documented example: Varnholm, 30°15' E, 45°0' N, zone 2, 1 s, English, from north.
constexpr const char* kExampleLine = "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \r\n";
const SettingsValues kExample{.town = "Varnholm", .longDegrees = 30, .longMinutes = 15, .latDegrees = 45,
                              .zone = 2, .timerMs = 1000, .languageMarker = "Azimuth", .azimShift = 0};

auto fields(const SettingsValues& v) {
  return std::tie(v.town, v.longDegrees, v.longMinutes, v.eastWest, v.latDegrees, v.latMinutes,
                  v.northSouth, v.zone, v.timerMs, v.languageMarker, v.azimShift);
}

}  // namespace

// Whatever follows the last field is ignored; so is a UTF-8 byte order mark.
TEST(SettingsLine, DocumentedExampleWrittenAndRead) {
  EXPECT_EQ(formatSettingsLine(kExample), kExampleLine);
  const std::string line = kExampleLine;
  for (const std::string& bytes : {line, line + "Elsewhere, 1  2  1  3  4  1  5  3000 Азимут, 180 \r\n",
                                   std::string("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0  extra words, 7\r\n"),
                                   "\xEF\xBB\xBF" + line}) {
    const SettingsReading r = parseSettingsLine(bytes);
    EXPECT_TRUE(r.complete && r.fieldsRead == 11) << bytes;
    EXPECT_EQ(fields(r.values), fields(kExample)) << bytes;
  }
}

// Cyrillic in the Windows code page is decoded.
TEST(SettingsLine, Cp1251Decoded) {
  const SettingsReading r = parseSettingsLine(
      "\xCC\xEE\xF1\xEA\xE2\xE0, 37  37  0  55  45  0  3  1000 \xC0\xE7\xE8\xEC\xF3\xF2, 180 \r\n");
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.values.town, "Москва");
  EXPECT_EQ(r.values.languageMarker, "Азимут");
}

// The menu never writes less than a second: a shorter interval would burn a core.
TEST(SettingsLine, TimerIntervalOutOfRangeReadsAsOneSecond) {
  for (const char* interval : {"-5", "70000", "1", "999.4", "0"}) {
    const SettingsReading r =
        parseSettingsLine(std::string("Varnholm, 30  15  0  45  0  0  2 ") + interval + " Azimuth, 0 \r\n");
    EXPECT_TRUE(r.complete) << interval;
    EXPECT_EQ(r.values.timerMs, 1000) << interval;
  }
}

// Reading stops at the first field out of its range: an index that does not
// fit 16 bits, an azimuth offset beyond a full turn (from 1.8E+307 on the
// azimuths showed "INF"). A line break or the end before field ten leaves
// the line incomplete; what was read before stays.
TEST(SettingsLine, ReadingStopsAtTheFirstFieldOutOfRange) {
  const std::string start = "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, ";
  const std::pair<std::string, int> cases[] = {
      {"Varnholm, 30  15  0  45  0  0  2  5000 \r\n", 9},
      {"Varnholm, 30  15  0  45  0  0  2  1000\nAzimuth, 0 \r\n", 9},
      {"Varnholm, 30  15  0  45  0  40000  2  1000 Azimuth, 0 \r\n", 6},
      {"Varnholm, 30  15 -32768  45  0  32767  2  1000 Azimuth, 0 \r\n", 11},
      {start + "360 \r\n", 11}, {start + "-360 \r\n", 11}, {start + "360.01 \r\n", 10},
      {start + "1E+300 \r\n", 10}, {start + "-1.8E+307 \r\n", 10},
  };
  for (const auto& [line, fieldsRead] : cases) {
    const SettingsReading r = parseSettingsLine(line);
    EXPECT_EQ(r.fieldsRead, fieldsRead) << line;
    EXPECT_EQ(r.complete, fieldsRead == 11) << line;
  }
  const SettingsReading cut = parseSettingsLine(cases[0].first);
  EXPECT_EQ(cut.values.timerMs, 5000);
  EXPECT_FALSE(cut.values.azimShift.has_value());
}

// A town of the box's own maximum, 32,767 characters, once made a line
// longer than start-up reads. Text fields are cut to kLongestTextField
// characters, never inside one, after the commas and line breaks are left out.
TEST(SettingsLine, TextFieldsCutToTheirLongest) {
  std::string town;
  for (int n = 0; n < 32767; ++n) town += "Ж";
  std::string kept;
  for (std::size_t n = 0; n < kLongestTextField; ++n) kept += "Ж";
  EXPECT_TRUE(withoutTextFieldEnds(town) == kept);
  SettingsValues values = kExample;
  values.town = town;
  const SettingsReading restored = parseSettingsLine(formatSettingsLine(values));
  EXPECT_TRUE(restored.complete);  // every field after the town read as well
  EXPECT_EQ(restored.values.town, kept);

  const std::string clef = "\U0001D11E";  // four bytes
  std::string clefs;
  for (std::size_t n = 0; n <= kLongestTextField; ++n) clefs += clef;
  EXPECT_EQ(withoutTextFieldEnds(clefs), clefs.substr(0, clefs.size() - clef.size()));
  const std::string commas = ",\r\n" + std::string(kLongestTextField, 'x');
  EXPECT_EQ(withoutTextFieldEnds(commas), std::string(kLongestTextField, 'x'));
}

// No test after this one reads the settings path without setting
// XDG_CONFIG_HOME first; HOME is put back.
TEST(SettingsPath, FromHomeWhenXdgConfigHomeUnsetEmptyOrRelative) {
  const char* oldHome = std::getenv("HOME");
  const std::optional<std::string> home = oldHome ? std::optional<std::string>(oldHome) : std::nullopt;
  ::setenv("HOME", "/home/observer", 1);
  for (const char* xdg : {"", "relative/config", "unset"}) {
    std::string_view(xdg) == "unset" ? ::unsetenv("XDG_CONFIG_HOME") : ::setenv("XDG_CONFIG_HOME", xdg, 1);
    EXPECT_EQ(settingsFilePath(), fs::path("/home/observer/.config/tessaly.ini")) << xdg;
  }
  home ? ::setenv("HOME", home->c_str(), 1) : ::unsetenv("HOME");
}

// Only the first line is read, and at most 64 KiB of it: a huge file once
// delayed the start by seconds and filled the memory.
TEST(SettingsRead, OnlyTheFirstLineUpTo64KiB) {
  const tessaly::testing::TempConfigHome home;
  home.writeSettings(kExampleLine);
  fs::resize_file(home.settingsFile(), std::uintmax_t{1} << 40);  // a terabyte, none of it on disk
  EXPECT_EQ(readSettingsFile(home.settingsFile()), "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 ");
  home.writeSettings(std::string(kLongestSettingsLine, 'T') + kExampleLine);
  EXPECT_EQ(readSettingsFile(home.settingsFile()), std::string(kLongestSettingsLine, 'T'));
}
