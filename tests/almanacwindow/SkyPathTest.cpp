// Where to look: the sky path's geometry on its disc and its spoken
// description.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "almanacwindow/SkyPath.h"

namespace tessaly {
namespace {

double radius(SkyPoint p) { return std::hypot(p.x, p.y); }

TEST(SkyPath, TheDiscHasTheZenithAtItsCentreNorthUpAndEastRight) {
  EXPECT_NEAR(radius(skyPoint(90, 123)), 0, 1e-12);
  const SkyPoint east = skyPoint(0, 90), south = skyPoint(45, 180);
  EXPECT_NEAR(east.x, 1, 1e-12);
  EXPECT_NEAR(east.y, 0, 1e-12);
  EXPECT_NEAR(south.x, 0, 1e-12);
  EXPECT_NEAR(south.y, 0.5, 1e-12);
  EXPECT_GT(radius(skyPoint(-10, 0)), 1);
  for (auto [azimuth, point] : {std::pair{0.0, 0}, {354.0, 0}, {90.0, 4}, {-90.0, 12}, {118.9, 5}})
    EXPECT_EQ(compassPoint(azimuth), point) << azimuth;
}

// A path that crosses north between two samples meets the rim there, not
// across the disc.
TEST(SkyPath, ACrossingThroughNorthStaysOnTheNorthernRim) {
  DayCurve day;
  day.samples = {{0, -1, "", 350}, {1.0 / 6, 1, "", 10}, {2.0 / 6, 2, "", 20}};
  const SkyPath path = skyPath(day, {0, -5, "", "", 0});
  ASSERT_EQ(path.runs.size(), 1u);
  ASSERT_EQ(path.runs[0].size(), 3u);
  EXPECT_NEAR(path.runs[0][0].x, 0, 1e-9);
  EXPECT_NEAR(path.runs[0][0].y, -1, 1e-9);
  EXPECT_FALSE(path.moon);
  EXPECT_EQ(skyPathSpoken(day, Language::English), "Below the horizon all day.");
  day.samples[0].altitude = 0.5;
  EXPECT_EQ(skyPathSpoken(day, Language::Russian), "Весь день над горизонтом.");
}

// The rings' degrees stand on the diagonal clear of the path: north of a
// southern path, south of one through the north, beside one through the
// zenith on its other side.
TEST(SkyPath, TheRingsDegreesStandClearOfThePath) {
  const auto labelAzimuth = [](std::initializer_list<std::array<double, 2>> altitudeAzimuth) {
    DayCurve day;
    double hours = 0;
    for (const auto& [altitude, azimuth] : altitudeAzimuth) day.samples.push_back({hours++ / 6, altitude, "", azimuth});
    return skyPath(day, {0, -5, "", "", 0}).ringLabelAzimuth;
  };
  const double southern = labelAzimuth({{-1, 100}, {20, 150}, {30, 180}, {20, 210}, {-1, 260}});
  EXPECT_TRUE(southern == 315 || southern == 45) << southern;
  const double northern = labelAzimuth({{-1, 280}, {20, 330}, {30, 0}, {20, 30}, {-1, 80}});
  EXPECT_TRUE(northern == 135 || northern == 225) << northern;
  // Up from the north-east through the zenith: the diagonal across it.
  const double across = labelAzimuth({{-1, 45}, {40, 45}, {89, 45}, {40, 225}, {-1, 225}});
  EXPECT_TRUE(across == 315 || across == 135) << across;
  EXPECT_EQ(labelAzimuth({{-10, 0}, {-20, 90}}), 315) << "with nothing drawn, the first diagonal";
}

}  // namespace
}  // namespace tessaly
