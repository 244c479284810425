#include "app/DateTimeText.h"

#include <charconv>
#include <optional>

#include "app/UsageError.h"

namespace tessaly::cli {

std::optional<int> wholeNumber(const std::string& text) {
  int n = 0;
  const char* const end = text.data() + text.size();
  const auto [next, error] = std::from_chars(text.data(), end, n);
  if (error != std::errc() || next != end || text.front() == '-') return std::nullopt;
  return n;
}

DateTexts splitDate(const std::string& option, const std::string& text) {
  auto parts = splitAt(text, '.');
  if (parts.size() != 3) throw UsageError(option + " takes D.M.YYYY");
  return {std::move(parts[0]), std::move(parts[1]), std::move(parts[2])};
}

TimeTexts splitTime(const std::string& option, const std::string& text) {
  auto parts = splitAt(text, ':');
  if (parts.size() < 2 || parts.size() > 3) throw UsageError(option + " takes H:M[:S]");
  return {std::move(parts[0]), std::move(parts[1]), parts.size() == 3 ? std::move(parts[2]) : std::string("0")};
}

date::local_days calendarDate(const std::string& option, const DateTexts& texts) {
  const auto day = wholeNumber(texts.day), month = wholeNumber(texts.month), year = wholeNumber(texts.year);
  if (day && month && year) {
    const date::year_month_day date{date::year{*year}, date::month{unsigned(*month)}, date::day{unsigned(*day)}};
    if (date.ok()) return date::local_days{date};
  }
  throw UsageError(option + " takes D.M.YYYY, a date of the calendar");
}

std::chrono::seconds timeOfDay(const std::string& option, const TimeTexts& texts) {
  const auto hour = wholeNumber(texts.hour), minute = wholeNumber(texts.minute), second = wholeNumber(texts.second);
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59)
    throw UsageError(option + " takes H:M[:S], a time of day");
  return std::chrono::hours{*hour} + std::chrono::minutes{*minute} + std::chrono::seconds{*second};
}

FieldTexts fieldTexts(const DateTexts& texts) {
  return {{"DateDay", texts.day}, {"DateMonth", texts.month}, {"DateYear", texts.year}};
}

FieldTexts fieldTexts(const TimeTexts& texts) {
  return {{"TimeHour", texts.hour}, {"TimeMin", texts.minute}, {"TimeSec", texts.second}};
}

}  // namespace tessaly::cli
