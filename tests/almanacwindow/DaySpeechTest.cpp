// The day chart in words and its keyboard cursor; where the almanac window
// opens beside the main window.
#include <gtest/gtest.h>

#include "almanacwindow/DaySpeech.h"
#include "almanacwindow/WindowPlace.h"

namespace tessaly {
namespace {

DayCurve aDay(const char* date) {
  DayCurve day{date, {}, {}};
  for (int minutes = 0; minutes <= 24 * 60; minutes += kMinutesPerSample)
    day.samples.push_back({minutes / 60.0, minutes / 60.0 - 12, std::to_string(minutes / 60 - 12)});
  day.marks = {{DayEvent::Rise, "15", "5", "65.2", 15 + 5 / 60.0},
               {DayEvent::UpperCulmination, "23", "40", "60", 23 + 40 / 60.0}};
  return day;
}

TEST(DaySpeechTest, SampleAndDescriptionInBothLanguages) {
  const DayCurve day = aDay("6.12.2026");
  EXPECT_EQ(sampleText(day.samples[9 * 6 + 1], Language::English), "9:10, altitude -3°");
  EXPECT_EQ(sampleText(day.samples[9 * 6 + 1], Language::Russian), "9:10, высота -3°");
  const DayMoment moment{21.5, 35.2, "21:30:00", "35.2"};
  EXPECT_EQ(dayDescription(day, moment, Language::English),
            "Altitude of the Moon on 6.12.2026. Rise at 15:05, azimuth 65.2°. Upper culmination at 23:40, "
            "altitude 60°. Marker at 21:30:00, altitude 35.2°. Arrow keys move along the curve.");
  EXPECT_TRUE(dayDescription(day, moment, Language::Russian)
                  .starts_with("Высота Луны 6.12.2026. Восход в 15:05, азимут 65.2°. Верхняя кульминация"));
}

TEST(DaySpeechTest, CursorStartsAtTheMomentMovesWithinTheDayAndStaysWhileTheDayDoes) {
  const DayCurve day = aDay("6.12.2026");
  DayCursor cursor;
  cursor.follow(day, {21.52, 0, "", ""});
  EXPECT_EQ(cursor.index(), 21u * 6 + 3);
  cursor.move(DayCursor::Step::HourForward, day);
  cursor.move(DayCursor::Step::HourForward, day);
  cursor.move(DayCursor::Step::HourForward, day);
  EXPECT_EQ(cursor.index(), 24u * 6);  // held at the day's end
  cursor.move(DayCursor::Step::Back, day);
  EXPECT_EQ(cursor.index(), 24u * 6 - 1);
  // A tick of the same day leaves it where the keys put it; a new day
  // brings it to the moment.
  cursor.follow(day, {21.6, 0, "", ""});
  EXPECT_EQ(cursor.index(), 24u * 6 - 1);
  cursor.follow(aDay("7.12.2026"), {0.1, 0, "", ""});
  EXPECT_EQ(cursor.index(), 1u);
  cursor.move(DayCursor::Step::HourBack, day);
  EXPECT_EQ(cursor.index(), 0u);
  cursor.move(DayCursor::Step::Last, day);
  EXPECT_EQ(cursor.index(), day.samples.size() - 1);
}

TEST(WindowPlaceTest, RightElseBelowElseTheSideWithMoreRoomAlwaysOnScreen) {
  const Box screen{0, 0, 1920, 1080};
  // Room on the right.
  EXPECT_EQ(besideMainWindow({100, 50, 700, 800}, 900, 700, screen), (Box{800, 50, 900, 700}));
  // Not on the right, but below.
  EXPECT_EQ(besideMainWindow({600, 0, 700, 400}, 900, 600, screen), (Box{600, 400, 900, 600}));
  // Near the right edge: below, moved left onto the screen.
  EXPECT_EQ(besideMainWindow({1500, 0, 400, 300}, 900, 600, screen), (Box{1020, 300, 900, 600}));
  // Room on neither side: on the right, over part of the main window,
  // but inside the screen.
  EXPECT_EQ(besideMainWindow({0, 0, 1200, 900}, 900, 700, screen), (Box{1020, 0, 900, 700}));
  // Larger than the screen: its top left corner stays on it.
  EXPECT_EQ(besideMainWindow({0, 0, 700, 800}, 2500, 700, screen), (Box{0, 0, 2500, 700}));
  // Grown beyond the screen's edge, moved back in.
  EXPECT_EQ(insideScreen({1500, 900, 600, 300}, screen), (Box{1320, 780, 600, 300}));
  // A screen that does not start at 0.
  EXPECT_EQ(besideMainWindow({1920, 0, 700, 800}, 900, 700, {1920, 0, 1920, 1080}), (Box{2620, 0, 900, 700}));
}

}  // namespace
}  // namespace tessaly
