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
  // The window's start-up tests a missing, foreign and climbing zone line.
  for (const char* bytes : {"zone=Europe/Berlin\r\n", "Varnholm, 30 \r\n\r\nzone=Europe/Berlin",
                            "Varnholm, 30 \r\nzone=/etc/passwd", "Varnholm, 30 \r\nzone=",
                            "Varnholm, 30 \r\nzone=Europe//Berlin", "Varnholm, 30 \r\nzone=Europe/Berlin x"})
    EXPECT_EQ(zoneOfLine(bytes), std::nullopt) << bytes;
  // Lines ending in CR alone count as lines too; that a reader of the
  // one-line file reads the first line alone is tested with the window.
  testing::TempConfigHome home;
  home.writeSettings("a\rzone=Europe/Berlin\rmore");
  EXPECT_EQ(readSettingsFile(home.settingsFile()), "a");
  EXPECT_EQ(zoneOfLine(*readSettingsFile(home.settingsFile(), 2)), "Europe/Berlin");
}

}  // namespace
}  // namespace tessaly
