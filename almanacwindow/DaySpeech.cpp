#include "almanacwindow/DaySpeech.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

#include "window/CaptionsAdditions.h"

namespace tessaly {
namespace {

constexpr int kSamplesPerHour = 60 / kMinutesPerSample;

constexpr std::pair<DayEvent, std::string_view> kSpoken[] = {
    {DayEvent::Rise, "SayRise"},
    {DayEvent::Set, "SaySet"},
    {DayEvent::UpperCulmination, "SayUpper"},
    {DayEvent::LowerCulmination, "SayLower"},
};

std::string clockOf(double hours) {
  const long minutes = std::lround(hours * 60);
  return clockText(std::to_string(minutes / 60), std::to_string(minutes % 60));
}

}  // namespace

std::string sampleText(const DaySample& sample, Language language) {
  return filledCaption(additionCaption("ChartTip", language), {clockOf(sample.hours), sample.altitudeText});
}

std::size_t nearestSample(const DayCurve& day, double hours) {
  const auto nearest = std::min_element(day.samples.begin(), day.samples.end(), [hours](const auto& a, const auto& b) {
    return std::abs(a.hours - hours) < std::abs(b.hours - hours);
  });
  return static_cast<std::size_t>(std::distance(day.samples.begin(), nearest));
}

std::string dayDescription(const DayCurve& day, const DayMoment& moment, Language language) {
  std::string text = filledCaption(additionCaption("ChartTitle", language), {day.dateText});
  for (const DayMark& mark : day.marks)
    for (const auto& [event, caption] : kSpoken)
      if (event == mark.event)
        text += ". " + filledCaption(additionCaption(caption, language),
                                     {clockText(mark.hourText, mark.minuteText), mark.valueText});
  text += ". " + filledCaption(additionCaption("SayMarker", language), {moment.timeText, moment.altitudeText});
  return text + ". " + std::string(additionCaption("SayCursor", language)) + ".";
}

void DayCursor::follow(const DayCurve& day, const DayMoment& moment) {
  if (day.samples.empty() || (day.dateText == dateText_ && index_ < day.samples.size())) return;
  dateText_ = day.dateText;
  index_ = nearestSample(day, moment.hours);
}

void DayCursor::move(Step step, const DayCurve& day) {
  if (day.samples.empty()) return;
  const auto last = static_cast<long>(day.samples.size()) - 1;
  const auto at = static_cast<long>(index_);
  long to = at;
  switch (step) {
    case Step::Back: to = at - 1; break;
    case Step::Forward: to = at + 1; break;
    case Step::HourBack: to = at - kSamplesPerHour; break;
    case Step::HourForward: to = at + kSamplesPerHour; break;
    case Step::First: to = 0; break;
    case Step::Last: to = last; break;
  }
  index_ = static_cast<std::size_t>(std::clamp(to, 0L, last));
}

}  // namespace tessaly
