#pragma once
// Dates and times as the options give them, "D.M.YYYY" and "H:M[:S]": one
// reading for --date, --time, --from and --to. The parts are the texts of
// the window's fields, which the window reads in its own way; where a real
// date or time of day is needed (the dates of a range, the offset of a
// named zone) the same parts must be whole numbers of one.
#include <date/date.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "app/CliOptions.h"

namespace tessaly::cli {


struct DateTexts {
  std::string day, month, year;
};
struct TimeTexts {
  std::string hour, minute, second;
};

// A whole number in digits only: no sign, blank or fraction.
std::optional<int> wholeNumber(const std::string& text);

// The parts of the text; throws UsageError naming the option when it has
// not the parts. A time without seconds has "0" of them.
DateTexts splitDate(const std::string& option, const std::string& text);
TimeTexts splitTime(const std::string& option, const std::string& text);

// The parts as a date of the calendar or a time of day; throws UsageError
// naming the option when they are not whole numbers of one.
date::local_days calendarDate(const std::string& option, const DateTexts& texts);
std::chrono::seconds timeOfDay(const std::string& option, const TimeTexts& texts);

// The window's fields and their texts.
FieldTexts fieldTexts(const DateTexts& texts);
FieldTexts fieldTexts(const TimeTexts& texts);

}  // namespace tessaly::cli
