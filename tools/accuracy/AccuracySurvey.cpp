#include "tools/accuracy/AccuracySurvey.h"

#include <libnova/julian_day.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <stdexcept>

#include "engine/PhaseNames.h"
#include "tools/accuracy/FullTheory.h"
#include "window/Headless.h"

namespace tessaly::accuracy {
namespace {

constexpr double kMinute = 1.0 / 1440;

// One moment and place, as typed into the window.
struct Moment {
  int day, month, year, hour, minute, second;
  int longitudeDegrees, longitudeMinutes, latitudeDegrees, latitudeMinutes;
  bool west, south;
  int zone;

  double eastLongitude() const { return (west ? -1 : 1) * (longitudeDegrees + longitudeMinutes / 60.0); }
  double northLatitude() const { return (south ? -1 : 1) * (latitudeDegrees + latitudeMinutes / 60.0); }
  // Universal time of a local clock time on the moment's date.
  double jdAtLocalHour(double localHour) const {
    ln_date date{year, month, day, 0, 0, 0};
    return ln_get_julian_day(&date) + (localHour - zone) / 24;
  }
  double jd() const { return jdAtLocalHour(hour + minute / 60.0 + second / 3600.0); }
};

// The same moments on every run and every platform: the generator's raw
// output is fixed by the standard, the distributions are not.
std::vector<Moment> fixedMoments(int count) {
  std::mt19937_64 next(20261207);
  auto below = [&](int n) { return static_cast<int>(next() % static_cast<unsigned>(n)); };
  std::vector<Moment> moments;
  for (int i = 0; i < count; ++i) {
    Moment m{};
    m.year = 1900 + below(201);
    m.month = 1 + below(12);
    m.day = 1 + below(28);
    m.hour = below(24);
    m.minute = below(60);
    m.second = below(60);
    m.longitudeDegrees = below(180);
    m.longitudeMinutes = below(60);
    m.west = below(2) == 1;
    m.latitudeDegrees = below(62);
    m.latitudeMinutes = below(60);
    m.south = below(2) == 1;
    m.zone = std::clamp(static_cast<int>(std::lround(m.eastLongitude() / 15)), -12, 12);
    moments.push_back(m);
  }
  return moments;
}

// Calculate pressed in the window with the moment typed in.
class Window {
 public:
  explicit Window(const Moment& m) {
    setAngleConstants(f_.form.state());
    WindowModel& w = f_.form.model();
    struct FieldNumber {
      ElementName field;
      int value;
    };
    const FieldNumber texts[] = {
        {"DateDay", m.day},   {"DateMonth", m.month},   {"DateYear", m.year},
        {"TimeHour", m.hour}, {"TimeMin", m.minute},    {"TimeSec", m.second},
        {"Timezon", m.zone},  {"LongGrad", m.longitudeDegrees}, {"LongMin", m.longitudeMinutes},
        {"LatGrad", m.latitudeDegrees}, {"LatMin", m.latitudeMinutes}};
    for (const auto& [field, value] : texts) w.setText(field, std::to_string(value));
    w.selectEntry("List1", m.west ? 1 : 0);
    w.selectEntry("List2", m.south ? 1 : 0);
    w.setSelected("Option2", true);
    f_.form.Command2_Click();
    if (!f_.messages.shown.empty()) throw std::logic_error("Calculate refused: " + f_.messages.shown[0]);
  }
  std::string text(ElementName field) const { return f_.form.model().text(field); }
  double number(ElementName field) const { return std::stod(text(field)); }
  bool shows(ElementName field) const { return text(field) != "-"; }
  // Local decimal hour of an hour and minute pair.
  double hour(ElementName hourField, ElementName minuteField) const {
    return number(hourField) + number(minuteField) / 60;
  }

 private:
  HeadlessForm f_;
};

int quarterOfName(const std::string& name) {
  for (int q = 0; q < 4; ++q)
    if (name == kPhaseNames[q].english) return q;
  throw std::logic_error("no phase named " + name);
}

// "d.m.yyyy h:m" in local time, as a Julian date in universal time.
double phaseJD(const std::string& text, int zone) {
  int day, month, year, hour, minute;
  if (std::sscanf(text.c_str(), "%d.%d.%d %d:%d", &day, &month, &year, &hour, &minute) != 5)
    throw std::logic_error("no phase date in " + text);
  ln_date date{year, month, day, hour, minute, 0};
  return ln_get_julian_day(&date) - zone / 24.0;
}

// The real time of a principal phase nearest to the time shown for it.
double realPhase(double shown, int quarter) {
  const Track track(shown - 0.25, 0.25, 3, [](double jd) { return std::vector<double>{elongationAt(jd)}; });
  return crossingNear(shown, 0.25, true,
                      [&](double jd) { return wrap180(track.at(jd)[0] - 90.0 * quarter); });
}

struct Rows {
  Quantity rightAscension{"right ascension", "′", 1, {}};
  Quantity declination{"declination", "′", 1, {}};
  Quantity longitude{"ecliptic longitude", "′", 1, {}};
  Quantity latitude{"ecliptic latitude", "′", 1, {}};
  Quantity distance{"distance", " km", 0, {}};
  Quantity fraction{"illuminated fraction", " point", 1, {}};
  Quantity altitude{"true (geocentric) altitude", "°", 2, {}};
  Quantity apparent{"apparent altitude, against the topocentric one an observer sees", "°", 2, {}};
  Quantity phases{"phase times", " min", 1, {}};
  Quantity riseSet{"rise and set, against the geocentric crossing the method uses", " min", 1, {}};
  Quantity upper{"upper culmination time", " min", 1, {}};
  Quantity lower{"lower culmination time, where shown", " min", 1, {}};
};

void compareMoment(const Moment& m, const Window& w, Rows& rows, Survey& survey) {
  const double jd = m.jd();
  const MoonPlace real = moonAt(jd);
  const double ra = 15 * (w.number("RAHour") + w.number("RAMin") / 60 + w.number("RASec") / 3600);
  const double dec = (w.text("Label33") == "-" ? -1 : 1) *
                     (w.number("DeclGrad") + w.number("DeclMin") / 60 + w.number("DeclSec") / 3600);
  rows.rightAscension.gaps.push_back(std::fabs(wrap180(ra - real.rightAscension)) * 60);
  rows.declination.gaps.push_back(std::fabs(dec - real.declination) * 60);
  rows.longitude.gaps.push_back(std::fabs(wrap180(w.number("LongSun") - real.longitude)) * 60);
  rows.latitude.gaps.push_back(std::fabs(w.number("LatLuna") - real.latitude) * 60);
  rows.distance.gaps.push_back(std::fabs(w.number("Distkm") - real.distance));
  rows.fraction.gaps.push_back(std::fabs(w.number("Fraction") - 100 * real.illuminated));
  const double lon = m.eastLongitude(), lat = m.northLatitude();
  rows.altitude.gaps.push_back(
      std::fabs(w.number("AltTrue") - horizonOf(real.rightAscension, real.declination, jd, lon, lat).altitude));
  if (w.text("AltApp") != "--------")
    rows.apparent.gaps.push_back(std::fabs(w.number("AltApp") - observedAltitude(real, jd, lon, lat)));

  const int first = quarterOfName(w.text("Phase1"));
  const int second = quarterOfName(w.text("Phase2"));
  const int previous = static_cast<int>(elongationAt(jd) / 90);
  if (first != previous || second != (previous + 1) % 4) ++survey.phasesNotBracketing;
  const std::pair<ElementName, int> shownPhases[] = {{ElementName("DatePhase1"), first}, {ElementName("DatePhase2"), second}};
  for (auto [field, quarter] : shownPhases) {
    // The minute shown holds the phase (its time is cut to the minute, not
    // rounded): read as the middle of that minute.
    const double shown = phaseJD(w.text(field), m.zone) + kMinute / 2;
    rows.phases.gaps.push_back(std::fabs(shown - realPhase(shown, quarter)) * 1440);
  }

  // The local date's horizon, from four hours before to four after it.
  const double midnight = m.jdAtLocalHour(0);
  const Track day(midnight - 4.0 / 24, 4.0 / 24, 9, [](double t) {
    const MoonPlace p = moonAt(t);
    return std::vector<double>{p.rightAscension, p.declination};
  });
  const auto horizon = [&](double t) {
    const std::vector<double> q = day.at(t);
    return horizonOf(q[0], q[1], t, lon, lat);
  };
  const auto compareEvent = [&](Quantity& row, ElementName hourField, ElementName minuteField, bool rising,
                                const std::function<double(double)>& value) {
    if (!w.shows(hourField)) return;
    const double shown = m.jdAtLocalHour(w.hour(hourField, minuteField));
    const double crossing = crossingNear(shown, 2.0 / 24, rising, value);
    if (crossing < 0)
      ++survey.eventsWithoutCrossing;
    else
      row.gaps.push_back(std::fabs(shown - crossing) * 1440);
  };
  const auto altitude = [&](double t) { return horizon(t).altitude; };
  const auto hourAngle = [&](double t) { return horizon(t).hourAngle; };
  const auto fromLowerMeridian = [&](double t) { return wrap180(horizon(t).hourAngle - 180); };
  compareEvent(rows.riseSet, "RiseHour", "RiseMin", true, altitude);
  compareEvent(rows.riseSet, "SetHour", "SetMin", false, altitude);
  compareEvent(rows.upper, "CulmHour(0)", "CulmMin(0)", true, hourAngle);
  compareEvent(rows.lower, "CulmHour(1)", "CulmMin(1)", true, fromLowerMeridian);
  if (crossingNear(midnight + 0.5, 0.5, true, fromLowerMeridian) >= 0) {
    ++survey.lowerCulminationDates;
    if (w.shows("CulmHour(1)")) ++survey.lowerCulminationsFound;
  }
}

std::string figure(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

}  // namespace

double Quantity::median() const {
  std::vector<double> sorted = gaps;
  std::ranges::sort(sorted);
  const std::size_t n = sorted.size();
  return n == 0 ? 0 : n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double Quantity::max() const { return gaps.empty() ? 0 : *std::ranges::max_element(gaps); }

const Quantity& Survey::quantity(const std::string& name) const {
  for (const Quantity& q : quantities)
    if (q.name == name) return q;
  throw std::logic_error("no quantity " + name);
}

Survey runSurvey(int moments) {
  Survey survey;
  survey.moments = moments;
  Rows rows;
  for (const Moment& m : fixedMoments(moments)) compareMoment(m, Window(m), rows, survey);
  survey.quantities = {rows.rightAscension, rows.declination, rows.longitude, rows.latitude,
                       rows.distance,       rows.fraction,    rows.altitude,  rows.apparent,
                       rows.phases,         rows.riseSet,     rows.upper,     rows.lower};
  return survey;
}

std::string markdownTable(const Survey& s) {
  std::string table = "| quantity | median | max | compared |\n|---|---|---|---|\n";
  for (const Quantity& q : s.quantities)
    table += "| " + q.name + " | " + figure(q.median(), q.decimals) + q.unit + " | " +
             figure(q.max(), q.decimals) + q.unit + " | " + std::to_string(q.gaps.size()) + " |\n";
  table += "\n" + std::to_string(s.moments) + " moments and places, 1900 to 2100, latitudes up to 62°. " +
           "A lower culmination is shown on " + std::to_string(s.lowerCulminationsFound) + " of the " +
           std::to_string(s.lowerCulminationDates) + " dates that have one. In " +
           std::to_string(s.phasesNotBracketing) + " of " + std::to_string(s.moments) +
           " moments the two phases shown are not the previous and the next principal phase.";
  if (s.eventsWithoutCrossing > 0)
    table += " " + std::to_string(s.eventsWithoutCrossing) + " events shown have no real crossing within two hours.";
  return table + "\n";
}

}  // namespace tessaly::accuracy
