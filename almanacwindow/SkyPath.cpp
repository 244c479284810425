#include "almanacwindow/SkyPath.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/NumberReading.h"
#include "window/CaptionsAdditions.h"
#include "window/FilledCaption.h"

namespace tessaly {
namespace {

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;

// The azimuth at a local time between two samples, the short way round.
double azimuthAt(const DayCurve& day, double hours) {
  const auto& s = day.samples;
  const auto after = std::ranges::find_if(s, [hours](const DaySample& d) { return d.hours >= hours; });
  if (after == s.begin()) return s.front().azimuth;
  if (after == s.end()) return s.back().azimuth;
  const DaySample& a = *(after - 1);
  const DaySample& b = *after;
  const double turn = std::remainder(b.azimuth - a.azimuth, 360);
  const double azimuth = a.azimuth + turn * (hours - a.hours) / (b.hours - a.hours);
  return std::fmod(azimuth + 360, 360);
}

// Where the path meets the horizon between two samples on either side.
SkyPoint crossing(const DaySample& a, const DaySample& b) {
  const double part = a.altitude / (a.altitude - b.altitude);
  const double turn = std::remainder(b.azimuth - a.azimuth, 360);
  return skyPoint(0, a.azimuth + turn * part);
}

double ringLabelAzimuth(const SkyPath& path) {
  std::vector<SkyPoint> drawn;
  for (const auto& run : path.runs) drawn.insert(drawn.end(), run.begin(), run.end());
  for (const SkyEnd& end : path.ends) drawn.push_back(end.at);
  if (path.moon) drawn.push_back(*path.moon);
  double best = 315, room = -1;
  for (double azimuth : {315.0, 45.0, 225.0, 135.0}) {
    double nearest = std::numeric_limits<double>::infinity();
    for (double altitude : kSkyRings) {
      const SkyPoint label = skyPoint(altitude, azimuth);
      for (const SkyPoint& p : drawn) nearest = std::min(nearest, std::hypot(p.x - label.x, p.y - label.y));
    }
    if (nearest > room) {
      room = nearest;
      best = azimuth;
    }
  }
  return best;
}

std::string direction(double azimuth, Language language) {
  return std::string(additionCaption("Compass" + std::to_string(compassPoint(azimuth)), language));
}

}  // namespace

SkyPoint skyPoint(double altitude, double azimuth) {
  const double r = (90 - altitude) / 90;
  return {r * std::sin(azimuth * kRadiansPerDegree), -r * std::cos(azimuth * kRadiansPerDegree)};
}

int compassPoint(double azimuth) {
  return static_cast<int>(std::lround(std::fmod(azimuth + 360, 360) / 22.5)) % 16;
}

SkyPath skyPath(const DayCurve& day, const DayMoment& moment) {
  SkyPath path;
  const DaySample* previous = nullptr;
  for (const DaySample& sample : day.samples) {
    const bool up = sample.altitude >= 0;
    const bool wasUp = previous && previous->altitude >= 0;
    if (previous && up != wasUp) {
      const SkyPoint rim = crossing(*previous, sample);
      if (up) path.runs.emplace_back();
      path.runs.back().push_back(rim);
    }
    if (up) {
      if (!previous && path.runs.empty()) path.runs.emplace_back();
      path.runs.back().push_back(skyPoint(sample.altitude, sample.azimuth));
      const double minutes = sample.hours * 60;
      if (std::fmod(minutes, 60) == 0 && sample.hours < 24)
        path.hours.push_back({path.runs.back().back(), static_cast<int>(sample.hours)});
    }
    previous = &sample;
  }
  for (const DayMark& mark : day.marks)
    if (mark.event == DayEvent::Rise || mark.event == DayEvent::Set)
      path.ends.push_back({mark.event, skyPoint(0, azimuthAt(day, mark.hours)), clockText(mark.hourText, mark.minuteText),
                           mark.valueText});
  if (moment.altitude >= 0) path.moon = skyPoint(moment.altitude, moment.azimuth);
  path.ringLabelAzimuth = ringLabelAzimuth(path);
  return path;
}

std::string skyPathSpoken(const DayCurve& day, Language language) {
  std::vector<const DayMark*> marks;
  for (const DayMark& mark : day.marks)
    if (mark.event != DayEvent::LowerCulmination &&
        (mark.event != DayEvent::UpperCulmination || numberOf(mark.valueText) > 0))
      marks.push_back(&mark);
  std::ranges::sort(marks, {}, &DayMark::hours);
  std::string text;
  for (const DayMark* mark : marks) {
    const std::string time = clockText(mark->hourText, mark->minuteText);
    const std::string where = direction(azimuthAt(day, mark->hours), language);
    const std::string_view pattern = additionCaption(mark->event == DayEvent::Rise  ? "SkyRises"
                                                     : mark->event == DayEvent::Set ? "SkySets"
                                                                                    : "SkyHighest",
                                                     language);
    const std::string degrees = std::to_string(std::lround(numberOf(mark->valueText)));
    text += (text.empty() ? "" : " ") + filledCaption(pattern, {time, where, degrees});
  }
  if (!text.empty()) return text;
  const bool up = std::ranges::all_of(day.samples, [](const DaySample& s) { return s.altitude >= 0; });
  return std::string(additionCaption(up ? "SkyAlwaysUp" : "SkyNeverUp", language));
}

}  // namespace tessaly
