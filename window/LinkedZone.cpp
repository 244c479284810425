#include "window/LinkedZone.h"

#include <cmath>

#include "engine/NumberReading.h"
#include "engine/NumberText.h"
#include "engine/WholeNumber.h"
#include "window/Calculate.h"
#include "window/CalculateFields.h"
#include "window/LocationCheck.h"

namespace tessaly {
namespace {

// The whole number a box holds, when it holds one within the bounds.
std::optional<int> wholeIn(const WindowModel& window, ElementName field, int low, int high) {
  const NumberReading r = readNumber(window.text(field));
  if (r.overflow || !(r.value >= low && r.value <= high)) return std::nullopt;
  return static_cast<int>(std::floor(r.value));
}

// The local moment the boxes hold; a day past the month's end counts as
// its last day, as Calculate corrects it.
std::optional<date::local_seconds> typedMoment(const WindowModel& window) {
  const auto day = wholeIn(window, "DateDay", 1, 31), month = wholeIn(window, "DateMonth", 1, 12);
  const auto year = wholeIn(window, "DateYear", kFirstYear, kLastYear);
  const auto hour = wholeIn(window, "TimeHour", 0, 23), minute = wholeIn(window, "TimeMin", 0, 59);
  const auto second = wholeIn(window, "TimeSec", 0, 59);
  if (!day || !month || !year || !hour || !minute || !second) return std::nullopt;
  const date::year_month_day_last last{date::year{*year} / date::month{static_cast<unsigned>(*month)} / date::last};
  const date::day d{static_cast<unsigned>(*day)};
  const date::local_days date{last.year() / last.month() / std::min(d, last.day())};
  return date + std::chrono::hours{*hour} + std::chrono::minutes{*minute} + std::chrono::seconds{*second};
}

}  // namespace

ZonedReading LinkedZone::reading() const {
  if (!zone_) return {computer_.now(), std::nullopt};
  const Instant instant = computer_.universal();
  const auto whole = std::chrono::floor<std::chrono::seconds>(instant);
  const LocalMoment moment = zone_->moment(whole);
  const auto day = date::floor<date::days>(moment.local);
  const date::year_month_day ymd{day};
  const date::hh_mm_ss time{moment.local - day};
  ZonedReading r;
  r.day = static_cast<int>(unsigned(ymd.day()));
  r.month = static_cast<int>(unsigned(ymd.month()));
  r.year = int(ymd.year());
  r.hour = static_cast<int>(time.hours().count());
  r.minute = static_cast<int>(time.minutes().count());
  r.second = static_cast<int>(time.seconds().count());
  r.secondsSinceMidnight = static_cast<double>((moment.local - day).count()) +
                           std::chrono::duration<double>(instant - whole).count();
  r.zone = moment.zone;
  return r;
}

double LinkedZone::zoneHigh() const { return zone_ ? kNamedZoneHigh : kTypedZoneHigh; }

bool LinkedZone::link(const std::string& name) {
  std::unique_ptr<Zone> zone;
  try {
    zone = findNamedZone(name, folder_);
  } catch (const DamagedZone&) {
    // refused as a name the database does not hold
  }
  if (!zone) {
    refused_ = name;
    return false;
  }
  zone_ = std::move(zone);
  name_ = name;
  refused_.clear();
  if (onLink_) onLink_();
  return true;
}

void LinkedZone::unlink() {
  if (!zone_) return;
  zone_.reset();
  name_.clear();
  if (onLink_) onLink_();
}

void LinkedZone::showOffset(WindowModel& window, ObservationState& state, const ZonedReading& reading) {
  if (!reading.zone) return;
  window.setText("Timezon", *reading.zone);
  state.TZone = single(numberOf(*reading.zone));
}

bool LinkedZone::showOffsetAtTypedMoment(WindowModel& window) const {
  if (!zone_) return false;
  const auto typed = typedMoment(window);
  if (!typed) return false;
  const LocalMoment moment = zone_->moment(zone_->instant(*typed));
  if (moment.local != *typed) {
    const MomentTexts t = momentTexts(moment.local);
    const std::string texts[] = {t.day, t.month, t.year, t.hour, t.minute, t.second};
    for (std::size_t i = 0; i < std::size(texts); ++i) window.setText(dateAndTimeFields()[i], texts[i]);
  }
  window.setText("Timezon", moment.zone);
  return true;
}

}  // namespace tessaly
