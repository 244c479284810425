#include "app/AlmanacPlan.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "almanac/CalendarEvents.h"
#include "almanac/EventRow.h"
#include "app/DateTimeText.h"
#include "app/UsageError.h"
#include "window/Calculate.h"

namespace tessaly::cli {
namespace {

const std::string kYears =
    "the years " + std::to_string(kFirstYear) + " to " + std::to_string(kLastYear) + " that Calculate accepts";

void requireYear(const std::string& option, date::local_days day) {
  const int year = int(date::year_month_day{day}.year());
  if (year < kFirstYear || year > kLastYear) throw UsageError(option + " reaches outside " + kYears);
}

date::local_days readDate(const std::string& option, const std::string& text) {
  return calendarDate(option, splitDate(option, text));
}

// Each pair: an option given, and one it cannot go with.
void refuseAlmanacConflicts(const Options& o) {
  const struct {
    bool first;
    const char* firstName;
    bool second;
    const char* secondName;
  } conflicts[] = {
      {o.date.has_value(), "--date", o.from || o.year, o.from ? "--from" : "--year"},
      {o.days.has_value(), "--days", o.to.has_value(), "--to"},
      {o.year.has_value(), "--year", o.from || o.to || o.days, o.from ? "--from" : o.to ? "--to" : "--days"},
      {o.step.has_value(), "--step", o.events, "--events"},
      {o.json, "--json", o.format && *o.format != "json", "--format"},
      {o.fields.has_value(), "--fields", o.format == "json" || o.format == "grid" || o.json, "--format json|grid"},
  };
  for (const auto& c : conflicts)
    if (c.first && c.second) throw UsageError(std::string(c.firstName) + " conflicts with " + c.secondName);
}

void requireParts(const Options& o) {
  if (o.year && o.format != "grid") throw UsageError("--year needs --format grid");
  if (o.format == "grid" && !o.events) throw UsageError("--format grid needs --events");
  if (o.format == "ics" && !o.events) throw UsageError("--format ics needs --events");
  if (o.pdf && o.format != "grid") throw UsageError("--pdf needs --format grid");
  if (o.paper && !o.pdf) throw UsageError("--paper needs --pdf");
  if (o.format == "grid" && !o.year) throw UsageError("--format grid needs --year");
  if (!o.from && !o.year) {
    const char* given = o.to ? "--to" : o.days ? "--days" : o.step ? "--step" : o.format ? "--format"
                        : o.fields ? "--fields" : "--events";
    throw UsageError(std::string(given) + " needs --from");
  }
  if (o.from && !o.to && !o.days) throw UsageError("--from needs --to or --days");
}

std::vector<almanac::Column> chosenColumns(const Options& o) {
  if (!o.fields) return {};
  std::vector<almanac::Column> columns = readOption([&] { return almanac::parseColumns(*o.fields); });
  for (const almanac::Column& c : columns) {
    if (o.format == "ics" && !almanac::isCalendarColumn(c))
      throw UsageError("--fields: \"" + std::string(c.key) + "\" is no event of --format ics");
    if (o.events && !almanac::isEventColumn(c))
      throw UsageError("--fields: \"" + std::string(c.key) + "\" is no column of --events");
    // A moment row has no phases of its date: the column would stay blank.
    if (!o.events && c.key == almanac::kPhasesKey) throw UsageError("--fields: \"phases\" needs --events");
  }
  return columns;
}

// At least 1, and no further than the last date Calculate accepts; the
// message says how far that is.
date::days dayCount(const std::string& text, date::local_days first) {
  const auto largest = (date::local_days{date::year{kLastYear} / 12 / 31} - first).count() + 1;
  std::uint64_t count = 0;
  const char* const end = text.data() + text.size();
  const auto [next, error] = std::from_chars(text.data(), end, count);
  // A number too long to read is refused with the rest.
  if (next != end || error != std::errc() || count < 1 || count > static_cast<std::uint64_t>(largest))
    throw UsageError("--days takes a whole number from 1 to " + std::to_string(largest) + ", within " + kYears);
  return date::days{static_cast<int>(count)};
}

void setRange(const Options& o, AlmanacPlan& plan) {
  if (o.year) {
    const auto year = wholeNumber(*o.year);
    if (!year) throw UsageError("--year takes YYYY");
    plan.first = date::local_days{date::year{*year} / 1 / 1};
    plan.last = date::local_days{date::year{*year} / 12 / 31};
    requireYear("--year", plan.first);
    return;
  }
  plan.first = readDate("--from", *o.from);
  requireYear("--from", plan.first);
  if (o.to) {
    plan.last = readDate("--to", *o.to);
    if (plan.last < plan.first) throw UsageError("--to precedes --from");
    requireYear("--to", plan.last);
    return;
  }
  plan.last = plan.first + dayCount(*o.days, plan.first) - date::days{1};
}

}  // namespace

std::unique_ptr<Zone> namedZone(const std::string& name) {
  std::unique_ptr<Zone> zone;
  try {
    zone = findNamedZone(name);
  } catch (const DamagedZone& damaged) {
    throw UsageError(std::string("--tz: ") + damaged.what());
  }
  if (!zone) throw UsageError("--tz: no zone \"" + name + "\" in the system's time-zone database");
  return zone;
}

AlmanacPlan planAlmanac(const Options& o) {
  refuseAlmanacConflicts(o);
  requireParts(o);
  AlmanacPlan plan;
  plan.events = o.events;
  plan.format = o.format == "csv"                 ? Format::Csv
                : o.format == "json" || o.json    ? Format::Json
                : o.format == "grid"              ? Format::Grid
                : o.format == "ics"               ? Format::Ics
                                                  : Format::Table;
  setRange(o, plan);
  plan.timeOfDay = o.time                ? timeOfDay("--time", splitTime("--time", *o.time))
                   : o.events            ? almanac::kEventHour
                                         : std::chrono::seconds{0};
  if (o.step) plan.step = readOption([&] { return almanac::parseStep(*o.step); });
  plan.columns = chosenColumns(o);
  if (o.tz) plan.namedZone = namedZone(*o.tz);
  plan.zoneName = o.tz.value_or("");
  plan.pdf = o.pdf;
  if (o.paper == "letter") plan.paper = Paper::Letter;
  return plan;
}

}  // namespace tessaly::cli
