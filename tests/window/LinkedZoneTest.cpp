// The window linked to a named zone: ticks across the clock changes whatever
// zone the computer is set to, Calculate in a skipped and a repeated hour,
// typing a zone, and the link kept across a restart with the settings
// file's first line unchanged.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "settings/SettingsFile.h"
#include "tests/support/TempConfigHome.h"
#include "window/Headless.h"
#include "window/RefusedZone.h"

namespace tessaly {
namespace {

using testing::TempConfigHome;

constexpr ElementName kPositionFields[] = {"JulianDate", "SidHour", "SidMin", "SidSec", "RAHour", "RAMin", "RASec",
                                           "DeclGrad",   "DeclMin", "AltTrue", "AzimTrue", "LongSun", "Fraction"};

struct Linked : HeadlessForm {
  TempConfigHome home;
  // The computer keeps New York's winter time, five hours behind universal
  // time; day, month and year are its own local date.
  explicit Linked(int day, int month, int year, int hour, int minute, int second) {
    clock.computerOffset = std::chrono::hours{-5};
    clock.set(day, month, year, hour, minute, second);
    form.Form_Load();
    EXPECT_TRUE(form.linkedZone().link("Europe/Berlin"));
  }
  std::string time() const {
    const WindowModel& w = form.model();
    return w.text("DateDay") + "." + w.text("DateMonth") + "." + w.text("DateYear") + " " + w.text("TimeHour") + ":" +
           w.text("TimeMin") + ":" + w.text("TimeSec") + " " + w.text("Timezon");
  }
};

// A second before Berlin skips an hour (0:59:59 universal time on
// 26.3.2023) and before it repeats one (on 29.10.2023, the computer then
// four hours behind).
TEST(LinkedZone, TicksShowTheZonesTimeAndTheOffsetChangesAtTheRightTick) {
  const struct {
    int day, month, hour, computerOffset;
    const char *before, *after;
  } cases[] = {{25, 3, 19, -5, "26.3.2023 1:59:59 1", "26.3.2023 3:0:0 2"},
               {28, 10, 20, -4, "29.10.2023 2:59:59 2", "29.10.2023 2:0:0 1"}};
  for (const auto& c : cases) {
    Linked w(c.day, c.month, 2023, c.hour, 59, 59);
    w.clock.computerOffset = std::chrono::hours{c.computerOffset};
    w.form.Timer1_Timer();
    EXPECT_EQ(w.time(), c.before);
    w.clock.advance(1);
    w.form.Timer1_Timer();
    EXPECT_EQ(w.time(), c.after);
    EXPECT_TRUE(w.messages.shown.empty());
  }
}

TEST(LinkedZone, ATickComputesTheUniversalMomentAWindowAtZoneZeroWould) {
  Linked linked(25, 3, 2023, 20, 0, 0);  // 1:00 universal time, 3:00 in Berlin
  linked.form.Timer1_Timer();
  HeadlessForm plain;
  plain.clock.set(26, 3, 2023, 1, 0, 0);
  plain.form.Form_Load();
  plain.form.model().setText("Timezon", "0");
  plain.form.Timer1_Timer();
  for (ElementName field : kPositionFields)
    EXPECT_EQ(linked.form.model().text(field), plain.form.model().text(field)) << field;
}

// A refused moment keeps the checks' own message.
TEST(LinkedZone, CalculateTakesTheOffsetInForceAtTheTypedMoment) {
  struct Case { const char *day, *month, *year, *hour, *minute, *shown, *message; } cases[] = {
      {"26", "3", "2023", "2", "30", "26.3.2023 3:30:0 2", ""},    // skipped: on by the gap
      {"29", "10", "2023", "2", "30", "29.10.2023 2:30:0 2", ""},  // repeated: the earlier offset
      {"1", "7", "2026", "12", "0", "1.7.2026 12:0:0 2", ""},
      {"31", "12", "2026", "23", "59", "31.12.2026 23:59:0 1", ""},
      {"1", "7", "2026", "25", "0", "", "Uncorrect input Hours!"},
  };
  for (const Case& c : cases) {
    Linked w(1, 1, 2026, 0, 0, 0);
    w.form.model().setSelected("Option2", true);
    w.form.model().setTexts({{"DateDay", c.day}, {"DateMonth", c.month}, {"DateYear", c.year},
                             {"TimeHour", c.hour}, {"TimeMin", c.minute}, {"TimeSec", "0"}});
    w.form.Command2_Click();
    if (*c.shown) {
      EXPECT_EQ(w.time(), c.shown);
    }
    EXPECT_EQ(w.messages.first().value_or(""), c.message);
  }
}

// The full moon of 2.4.2026 happens at 4:13 summer time: Calculate and the
// ticks in March's winter time show it so, on the date it happens.
TEST(LinkedZone, PhasesShowTheOffsetInForceAtThePhase) {
  Linked w(1, 1, 2026, 0, 0, 0);
  w.form.model().setSelected("Option2", true);
  w.form.model().setTexts({{"DateDay", "28"}, {"DateMonth", "3"}, {"DateYear", "2026"},
                           {"TimeHour", "12"}, {"TimeMin", "0"}, {"TimeSec", "0"}});
  w.form.Command2_Click();
  EXPECT_EQ(w.form.model().text("Timezon"), "1");
  EXPECT_EQ(w.form.model().text("DatePhase1"), "25.3.2026 20:19");
  EXPECT_EQ(w.form.model().text("DatePhase2"), "2.4.2026 4:13");

  Linked ticking(28, 3, 2026, 6, 0, 0);  // 11:00 universal time
  ticking.form.Timer1_Timer();
  EXPECT_EQ(ticking.form.model().text("DatePhase2"), "2.4.2026 4:13");
  ticking.form.linkedZone().unlink();
  ticking.form.Timer1_Timer();
  EXPECT_EQ(ticking.form.model().text("DatePhase2"), "2.4.2026 3:13");

}

TEST(LinkedZone, SavedOnASecondLineAndBackAfterARestart) {
  std::string firstLine;
  {
    Linked w(1, 7, 2026, 6, 0, 0);
    w.form.me1_7_Click();
    const std::string saved = w.home.readSettings();
    firstLine = saved.substr(0, saved.find("\r\n") + 2);
    EXPECT_EQ(saved.substr(firstLine.size()), "zone=Europe/Berlin\r\n");
    // The first line is the one an unlinked window saves, and a reader of
    // the one-line file reads it alone.
    w.form.linkedZone().unlink();
    w.form.me1_7_Click();
    EXPECT_EQ(w.home.readSettings(), firstLine);
    EXPECT_EQ(readSettingsFile(w.home.settingsFile()), firstLine.substr(0, firstLine.size() - 2));
  }
  TempConfigHome home;
  home.writeSettings(firstLine + "zone=Europe/Berlin\r\n");
  HeadlessForm restarted;
  restarted.clock.set(1, 7, 2026, 12, 0, 0);  // the computer in universal time
  restarted.form.Form_Load();
  EXPECT_EQ(restarted.form.linkedZone().name(), "Europe/Berlin");
  EXPECT_EQ(restarted.form.model().text("Timezon"), "2");
  restarted.form.Timer1_Timer();
  EXPECT_EQ(restarted.form.model().text("TimeHour"), "14");
}

TEST(LinkedZone, NoLinkFromAMissingForeignOrBrokenLine) {
  const std::string line = "Ost, 10  0  1  50  0  1  1  3000 Azimuth, 180 \r\n";
  for (const std::string& bytes : {line, line + "zone=Nowhere/Atlantis\r\n", line + "zone=../../etc/passwd\r\n",
                                   line + "colour=blue\r\n", std::string("Ost, 10 \r\nzone=Europe/Berlin\r\n")}) {
    TempConfigHome home;
    home.writeSettings(bytes);
    HeadlessForm f;
    f.form.Form_Load();
    EXPECT_EQ(f.form.linkedZone().name(), "") << bytes;
    EXPECT_EQ(f.form.model().text("Timezon"), bytes.starts_with(line) ? "1" : "2") << bytes;
    EXPECT_EQ(refusedZoneMessage(f.form).has_value(), bytes.ends_with("Atlantis\r\n")) << bytes;
  }
}

// A saved link whose zone file is damaged or gone: start-up keeps the saved
// offset and holds one message naming the zone for the window to show; the
// message sink, which the command line reads for Calculate's refusals, stays
// empty.
TEST(LinkedZone, ASavedZoneThatCannotBeReadIsNamedAndItsOffsetKept) {
  const auto folder = std::filesystem::temp_directory_path() / ("tessaly-broken-zones-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "Europe");
  std::ofstream(folder / "Europe/Berlin", std::ios::binary) << "TZif2";  // cut short
  const std::string english = "Ost, 10  0  1  50  0  1  1.5  3000 Azimuth, 180 \r\n";
  const std::string russian = "Ost, 10  0  1  50  0  1  1.5  3000 Азимут, 180 \r\n";
  struct Case { std::string bytes, message; };
  const Case cases[] = {
      {english + "zone=Europe/Berlin\r\n",
       "The saved time zone Europe/Berlin could not be read from the system's time zone database; the Timezone box "
       "keeps the saved offset 1.5."},
      {russian + "zone=Europe/Berlin\r\n",
       "Не удалось прочитать сохранённый часовой пояс Europe/Berlin из базы часовых поясов системы; в поле «Часовой "
       "пояс» остаётся сохранённое смещение 1.5."},
  };
  for (const Case& c : cases) {
    TempConfigHome home;
    home.writeSettings(c.bytes);
    HeadlessForm f;
    f.form.linkedZone().setZoneFolder(folder);
    f.form.Form_Load();
    EXPECT_EQ(f.form.linkedZone().name(), "") << c.bytes;
    EXPECT_TRUE(f.messages.shown.empty()) << c.bytes;
    EXPECT_EQ(refusedZoneMessage(f.form).value_or(""), c.message);
    EXPECT_EQ(f.form.model().text("Timezon"), "1.5");
    // Linked by hand later, the message is gone.
    f.form.linkedZone().setZoneFolder(kZoneFolder);
    ASSERT_TRUE(f.form.linkedZone().link("Europe/Berlin"));
    EXPECT_EQ(refusedZoneMessage(f.form), std::nullopt);
  }
  std::filesystem::remove_all(folder);
}

// Named zones reach +14; a typed zone keeps its bound of 12.
TEST(LinkedZone, ANamedZoneBeyondTwelveHoursIsAcceptedATypedOneIsNot) {
  HeadlessForm f;
  testing::TempConfigHome home;
  f.clock.set(1, 1, 2026, 0, 0, 0);  // the computer in universal time
  f.form.Form_Load();
  ASSERT_TRUE(f.form.linkedZone().link("Pacific/Kiritimati"));
  f.form.Timer1_Timer();
  EXPECT_EQ(f.form.model().text("Timezon"), "14");
  EXPECT_EQ(f.form.model().text("TimeHour"), "14");
  ASSERT_TRUE(f.form.linkedZone().link("Pacific/Auckland"));
  f.form.model().setSelected("Option2", true);
  f.form.Command2_Click();
  EXPECT_EQ(f.form.model().text("Timezon"), "13");
  EXPECT_TRUE(f.messages.shown.empty());
  f.form.linkedZone().unlink();
  f.form.Command2_Click();
  EXPECT_EQ(f.messages.first(), "Uncorrect input Timezone!");
}

}  // namespace
}  // namespace tessaly
