// Finding a place for the main window: the rows shown, and what choosing
// one does to the window in either mode and language.
#include <gtest/gtest.h>

#include "tests/support/TempConfigHome.h"
#include "window/Headless.h"
#include "window/PlaceFinder.h"

namespace tessaly {
namespace {

struct Finding : HeadlessForm {
  testing::TempConfigHome home;
  PlaceFinder finder{form};
  Finding() {
    clock.set(1, 7, 2026, 12, 0, 0);
    form.Form_Load();
  }
  std::string place() const {
    const WindowModel& w = form.model();
    return w.text("Town") + " " + w.text("LongGrad") + ":" + w.text("LongMin") + " " + w.entries("List1")[0] +
           "/" + std::to_string(w.topEntry("List1")) + " " + w.text("LatGrad") + ":" + w.text("LatMin") + " " +
           std::to_string(w.topEntry("List2")) + " " + w.text("Timezon") + " " + form.linkedZone().name();
  }
};

TEST(PlaceFinder, RowsBestFirstWithEveryColumn) {
  Finding f;
  ASSERT_TRUE(f.finder.available());
  EXPECT_EQ(f.finder.status(), "");
  f.finder.search("Berl");
  ASSERT_GT(f.finder.rowCount(), 3u);
  EXPECT_EQ(f.finder.row(0), (std::array<std::string, PlaceFinder::kColumns>{
                                 "Berlin", "Berlin", "Germany", "Europe/Berlin", "52°31′N 13°25′E"}));
  EXPECT_EQ(f.finder.status(), "Places found: " + std::to_string(f.finder.rowCount()));
  f.finder.search("a");
  EXPECT_EQ(f.finder.rowCount(), PlaceFinder::kMostShown);
  f.finder.search("Qwxzzq");
  EXPECT_EQ(f.finder.status(), "No place found");
}

TEST(PlaceFinder, ChoosingFillsThePlaceAndLinksItsZone) {
  Finding f;
  f.form.model().setSelected("Option2", true);
  f.finder.search("Buenos Aires");
  f.finder.choose(0);
  // Manual mode with no moment typed yet: the offset in force now.
  EXPECT_EQ(f.place(), "Buenos Aires 58:23 East/1 34:37 1 -3 America/Argentina/Buenos_Aires");
  f.form.model().setTexts({{"DateDay", "1"}, {"DateMonth", "1"}, {"DateYear", "1990"}, {"TimeHour", "12"},
                           {"TimeMin", "0"}, {"TimeSec", "0"}});
  f.form.Command2_Click();
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_EQ(f.form.model().text("Timezon"), "-2");  // summer time there in 1990
}

TEST(PlaceFinder, InTrackingTheDayIsWorkedOutForTheNewPlace) {
  Finding f;
  const std::string riseBefore = f.form.model().text("RiseHour") + ":" + f.form.model().text("RiseMin");
  f.finder.search("Sydney");
  f.finder.choose(0);
  EXPECT_EQ(f.form.linkedZone().name(), "Australia/Sydney");
  EXPECT_EQ(f.form.model().text("Timezon"), "10");  // July: standard time
  EXPECT_NE(f.form.model().text("RiseHour") + ":" + f.form.model().text("RiseMin"), riseBefore);
  f.form.Timer1_Timer();
  EXPECT_TRUE(f.messages.shown.empty());
  EXPECT_EQ(f.form.model().text("TimeHour"), "22");  // 12:00 universal time
}

TEST(PlaceFinder, RussianCaptionsGiveRussianNamesAndSides) {
  Finding f;
  f.form.me1_10_Click();
  f.finder.search("москва");
  EXPECT_EQ(f.finder.row(0)[4], "55°45′ с. ш. 37°37′ в. д.");
  EXPECT_EQ(f.finder.status().rfind("Найдено мест: ", 0), 0u);
  f.finder.choose(0);
  EXPECT_EQ(f.form.model().text("Town") + " " + f.form.linkedZone().name(), "Москва Europe/Moscow");
  EXPECT_EQ(latitudeText(-0.5, Language::English), "0°30′S");
}

}  // namespace
}  // namespace tessaly
