#include "almanac/MomentRange.h"

#include <charconv>
#include <cstdint>
#include <stdexcept>

namespace tessaly::almanac {
namespace {

constexpr const char* kStepForm = "--step takes a whole number and a unit: Nd, Nh, Nm or Ns";

std::chrono::seconds unitOf(char unit) {
  switch (unit) {
    case 'd': return std::chrono::days{1};
    case 'h': return std::chrono::hours{1};
    case 'm': return std::chrono::minutes{1};
    case 's': return std::chrono::seconds{1};
    default: throw std::invalid_argument(kStepForm);
  }
}

// Far beyond the years Calculate accepts.
constexpr std::uint64_t kLongestStep = 1'000'000'000'000;

}  // namespace

// Whole numbers only: a fraction of a day would count elapsed time where
// whole days keep the time of day.
Step parseStep(std::string_view text) {
  const std::string_view number = text.substr(0, text.empty() ? 0 : text.size() - 1);
  std::uint64_t count = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), count);
  if (end != number.data() + number.size() || (error != std::errc() && error != std::errc::result_out_of_range))
    throw std::invalid_argument(kStepForm);
  const auto unit = static_cast<std::uint64_t>(unitOf(text.back()).count());
  // A number too long to read leaves count as it was.
  const bool tooLong = error != std::errc() || count > kLongestStep / unit;
  if (tooLong) throw std::invalid_argument("--step is longer than the years Calculate accepts");
  if (count == 0) throw std::invalid_argument("--step must be positive");
  return {text.back() == 'd', std::chrono::seconds{static_cast<long long>(count * unit)}};
}

MomentRange::MomentRange(const Zone& zone, date::local_days first, date::local_days last,
                         std::chrono::seconds timeOfDay, Step step)
    : zone_(zone), first_(first), timeOfDay_(timeOfDay), step_(step),
      start_(zone.instant(first + timeOfDay)), end_(zone.instant(last + date::days{1})),
      days_((last - first).count() + 1) {}

date::sys_seconds MomentRange::momentAt(std::uint64_t index) const {
  const auto k = static_cast<std::int64_t>(index);
  if (step_.days) return zone_.instant(first_ + k * stepDays() + timeOfDay_);
  return start_ + k * step_.size;
}

bool MomentRange::next(LocalMoment& moment) {
  for (;;) {
    if (index_ >= endIndex_) return false;
    const date::sys_seconds at = momentAt(index_);
    if (at >= end_) return false;
    const std::uint64_t index = index_++;
    moment = zone_.moment(at);
    if (!step_.days) return true;
    // A time of day the zone skips moves forward by the gap; only a date it
    // skips whole has no moment, or the next date's would show twice.
    const date::local_days day = first_ + static_cast<std::int64_t>(index) * stepDays();
    if (date::floor<date::days>(moment.local) == day || !skipsDay(zone_, day)) return true;
  }
}

std::uint64_t MomentRange::size() const {
  if (start_ >= end_) return 0;
  if (step_.days) return static_cast<std::uint64_t>((days_ - 1) / stepDays().count()) + 1;
  return static_cast<std::uint64_t>((end_ - start_ - std::chrono::seconds{1}) / step_.size) + 1;
}

std::uint64_t MomentRange::indexOn(date::local_days day) const {
  if (day <= first_) return 0;
  if (step_.days) {
    const std::int64_t days = stepDays().count();
    return static_cast<std::uint64_t>(((day - first_).count() + days - 1) / days);
  }
  const date::sys_seconds at = zone_.instant(day);
  if (at <= start_) return 0;
  return static_cast<std::uint64_t>((at - start_ + step_.size - std::chrono::seconds{1}) / step_.size);
}

void MomentRange::narrow(std::uint64_t begin, std::uint64_t end) {
  index_ = begin;
  endIndex_ = end;
}

}  // namespace tessaly::almanac
