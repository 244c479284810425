// The linked zone's line after the settings line: written and read back,
// never seen by a reader of the one-line file.
#include <gtest/gtest.h>

#include "settings/SettingsFile.h"
#include "settings/ZoneLine.h"
#include "tests/support/TempConfigHome.h"

namespace tessaly {
namespace {

constexpr const char* kLine = "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \r\n";

TEST(ZoneLine, WrittenAfterTheLineAndReadBackOnlyFromTheSecondLine) {
  EXPECT_EQ(zoneLine("Europe/Berlin"), "zone=Europe/Berlin\r\n");
  EXPECT_EQ(zoneLine(""), "");
  const std::string file = std::string(kLine) + zoneLine("America/Argentina/Buenos_Aires");
  EXPECT_EQ(zoneOfLine(file), "America/Argentina/Buenos_Aires");
  EXPECT_EQ(zoneOfLine("Varnholm, 30 \nzone=Etc/GMT+5\n"), "Etc/GMT+5");
  for (const char* bytes : {"zone=Europe/Berlin\r\n", "Varnholm, 30 \r\n", "Varnholm, 30 \r\n\r\nzone=Europe/Berlin",
                            "Varnholm, 30 \r\nzone=/etc/passwd", "Varnholm, 30 \r\nzone=../x", "Varnholm, 30 \r\nzone=",
                            "Varnholm, 30 \r\nzone=Europe//Berlin", "Varnholm, 30 \r\nzone=Europe/Berlin x"})
    EXPECT_EQ(zoneOfLine(bytes), std::nullopt) << bytes;
}

// A reader of the one-line file reads the line alone (the fields after it
// are ignored as any text after the last field is); the zone comes from the
// second line, and lines ending in LF or CR alone count as lines too.
TEST(ZoneLine, AOneLineReaderReadsTheSameLine) {
  testing::TempConfigHome home;
  home.writeSettings(std::string(kLine) + zoneLine("Europe/Berlin"));
  EXPECT_EQ(*readSettingsFile(home.settingsFile()) + "\r\n", kLine);
  EXPECT_EQ(zoneOfLine(*readSettingsFile(home.settingsFile(), 2)), "Europe/Berlin");
  home.writeSettings("a\rzone=Europe/Berlin\rmore");
  EXPECT_EQ(readSettingsFile(home.settingsFile(), 2), "a\rzone=Europe/Berlin");
}

}  // namespace
}  // namespace tessaly
