// The window's captions and spoken names in both languages against the
// caption table as transcribed apart from the code (captions.tsv beside the
// reference cases), so that a wrong or swapped entry in the code's own
// tables cannot pass by comparing those tables with themselves.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/TempConfigHome.h"
#include "window/Headless.h"
#include "window/WindowFields.h"

namespace tessaly {
namespace {

struct TranscribedCaption {
  std::string control, entry, english, russian;
  const std::string& in(Language language) const { return language == Language::English ? english : russian; }
};

const std::vector<TranscribedCaption>& transcribedCaptions() {
  static const std::vector<TranscribedCaption> rows = [] {
    const std::string path = std::string(TESSALY_GOLDEN_DIR) + "/captions.tsv";
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::vector<TranscribedCaption> read;
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line.starts_with('#')) continue;
      std::istringstream fields(line);
      TranscribedCaption row;
      for (std::string* field : {&row.control, &row.entry, &row.english, &row.russian})
        std::getline(fields, *field, '\t');
      read.push_back(row);
    }
    return read;
  }();
  return rows;
}

class Captions : public ::testing::Test {
 protected:
  void SetUp() override {
    f.clock.set(6, 12, 2026, 21, 30, 0);
    f.form.Form_Load();
  }
  void choose(Language language) {
    language == Language::English ? f.form.me1_9_Click() : f.form.me1_10_Click();
  }
  WindowModel& model() { return f.form.model(); }
  testing::TempConfigHome home;
  HeadlessForm f;
};

constexpr Language kBoth[] = {Language::English, Language::Russian, Language::English};

TEST_F(Captions, EveryCaptionAndListEntryAsTranscribed) {
  const auto& rows = transcribedCaptions();
  ASSERT_EQ(rows.size(), 61u);
  for (Language language : kBoth) {
    choose(language);
    for (const TranscribedCaption& row : rows) {
      if (row.control == "phase") continue;
      const ElementName control = ElementName::find(row.control).value();
      const std::string shown =
          row.entry.empty() ? model().text(control) : model().entries(control).at(std::stoul(row.entry));
      EXPECT_EQ(shown, row.in(language)) << row.control << row.entry;
    }
  }
}

// Each name in the language in force, computed and translated: Phase1 and
// Phase2 over a lunation show all four.
TEST_F(Captions, PhaseNamesAsTranscribed) {
  std::map<std::string, std::string> russianOf;
  for (const TranscribedCaption& row : transcribedCaptions())
    if (row.control == "phase") russianOf[row.english] = row.russian;
  ASSERT_EQ(russianOf.size(), 4u);
  std::set<std::string> seen;
  for (int day : {1, 8, 16, 23}) {
    choose(Language::English);
    f.clock.set(day, 12, 2026, 12, 0, 0);
    f.form.Timer1_Timer();
    for (ElementName field : {ElementName("Phase1"), ElementName("Phase2")}) {
      const std::string english = model().text(field);
      ASSERT_TRUE(russianOf.contains(english)) << english;
      seen.insert(english);
      choose(Language::Russian);
      EXPECT_EQ(model().text(field), russianOf[english]) << "translated " << english;
      f.form.Timer1_Timer();
      EXPECT_EQ(model().text(field), russianOf[english]) << "computed " << english;
      choose(Language::English);
    }
  }
  EXPECT_EQ(seen.size(), 4u);
}

struct Part { const char *english, *russian; };
constexpr Part kNone{"", ""};
constexpr Part kHours{"hours", "часы"}, kMinutes{"minutes", "минуты"}, kSeconds{"seconds", "секунды"};
constexpr Part kDegrees{"degrees", "градусы"};

// What each spoken name says, written apart from the names' table: the
// caption of its group (a heading of the window) and what it tells apart
// within the group. A name whose group has no heading of its own is held
// to its part alone.
struct SpokenName {
  ElementName field;
  const char* group;  // a control of captions.tsv, or "" for none
  Part part;
};

constexpr Part kAltitude{"altitude", "высота"}, kAzimuth{"azimuth", "азимут"}, kWhen{"date and time", "дата и время"};

constexpr SpokenName kSpokenNames[] = {
    {"DateDay", "Date", {"day", "день"}}, {"DateMonth", "Date", {"month", "месяц"}}, {"DateYear", "Date", {"year", "год"}},
    {"TimeHour", "LocalTime", kHours}, {"TimeMin", "LocalTime", kMinutes}, {"TimeSec", "LocalTime", kSeconds},
    {"Town", "LocSet", {"town", "город"}}, {"LongGrad", "Longitude", kDegrees}, {"LongMin", "Longitude", kMinutes},
    {"List1", "Longitude", {"East or West", "восток или запад"}}, {"LatGrad", "Latitude", kDegrees},
    {"LatMin", "Latitude", kMinutes}, {"List2", "Latitude", {"North or South", "север или юг"}},
    {"Timezon", "TimZon", kHours}, {"Option1", "Label28", kNone}, {"Option2", "Label29", kNone},
    {"DOY", "DayYear", kNone}, {"JulianDate", "", kNone}, {"SidHour", "SidTime", kHours},
    {"SidMin", "SidTime", kMinutes}, {"SidSec", "SidTime", kSeconds}, {"LongSun", "", kDegrees},
    {"LatLuna", "", kDegrees}, {"RAHour", "", kHours}, {"RAMin", "", kMinutes}, {"RASec", "", kSeconds},
    {"Label33", "DeclSun", {"sign", "знак"}}, {"DeclGrad", "DeclSun", kDegrees}, {"DeclMin", "DeclSun", kMinutes},
    {"DeclSec", "DeclSun", kSeconds}, {"AltTrue", "", kDegrees}, {"AltApp", "", kDegrees},
    {"AzimTrue", "AzimSun", kDegrees}, {"Distkm", "Distance", {"km", "км"}},
    {"DistPer", "Distance", {"percent of the mean", "процент от среднего"}}, {"DiamMin", "DiamSun", kMinutes},
    {"DiamSec", "DiamSun", kSeconds}, {"Fraction", "Phase", {"percent", "проценты"}},
    {"Label37", "Label36", {"days", "дни"}}, {"Phase1", "", kNone}, {"DatePhase1", "", kWhen}, {"Phase2", "", kNone},
    {"DatePhase2", "", kWhen}, {"CulmHour(0)", "CulmSun(0)", kHours}, {"CulmMin(0)", "CulmSun(0)", kMinutes},
    {"ATransit(0)", "CulmSun(0)", kAltitude}, {"CulmHour(1)", "CulmSun(1)", kHours},
    {"CulmMin(1)", "CulmSun(1)", kMinutes}, {"ATransit(1)", "CulmSun(1)", kAltitude}, {"RiseHour", "Sunrise", kHours},
    {"RiseMin", "Sunrise", kMinutes}, {"RAzim", "Sunrise", kAzimuth}, {"SetHour", "Sunset", kHours},
    {"SetMin", "Sunset", kMinutes}, {"SAzim", "Sunset", kAzimuth},
};

// A heading such as "Location:" leads its names without the colon.
std::string heading(std::string_view group, Language language) {
  for (const TranscribedCaption& row : transcribedCaptions())
    if (row.control == group) {
      const std::string& caption = row.in(language);
      return caption.ends_with(':') ? caption.substr(0, caption.size() - 1) : caption;
    }
  throw std::invalid_argument("captions.tsv has no " + std::string(group));
}

TEST_F(Captions, SpokenNamesBeginWithTheirHeadingAndEndWithWhatTheyTellApart) {
  std::set<std::string_view> listed;
  for (const SpokenName& n : kSpokenNames) listed.insert(n.field.text());
  for (std::size_t i = 0; i < ElementName::kCount; ++i) {
    const ElementName e = ElementName::at(i);
    if (!model().accessibleName(e).empty()) {
      EXPECT_TRUE(listed.contains(e.text())) << e << " has a spoken name not checked here";
    }
  }
  for (Language language : kBoth) {
    choose(language);
    std::set<std::string> names;
    for (const SpokenName& n : kSpokenNames) {
      const std::string name = model().accessibleName(n.field);
      EXPECT_TRUE(names.insert(name).second) << n.field << ": " << name << " twice";
      const std::string part = language == Language::English ? n.part.english : n.part.russian;
      if (*n.group) {
        const std::string head = heading(n.group, language);
        EXPECT_EQ(name, part.empty() ? head : head + ", " + part) << n.field;
      } else {
        EXPECT_FALSE(name.empty()) << n.field;
        if (!part.empty()) {
          EXPECT_TRUE(name.ends_with(", " + part)) << n.field << ": " << name;
        }
      }
    }
  }
}

}  // namespace
}  // namespace tessaly
