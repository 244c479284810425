#include "app/CliAlmanac.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "almanac/RowCalculator.h"
#include "almanac/YearGrid.h"
#include "app/CheckedOutput.h"
#include "app/CliRowOutput.h"
#include "app/CliRows.h"

namespace tessaly::cli {
namespace {

using std::invalid_argument;

constexpr int kFirstYear = 1700, kLastYear = 2100;  // the years Calculate accepts

// Whole unsigned numbers separated by `separator`, nothing else.
std::optional<std::vector<int>> wholeNumbers(const std::string& text, char separator) {
  std::vector<int> numbers;
  const char* p = text.data();
  const char* const end = p + text.size();
  for (;;) {
    int n = 0;
    const auto [next, error] = std::from_chars(p, end, n);
    if (error != std::errc() || next == p || *p == '-') return std::nullopt;
    numbers.push_back(n);
    if (next == end) return numbers;
    if (*next != separator) return std::nullopt;
    p = next + 1;
  }
}

void requireYear(const std::string& option, date::local_days day) {
  const int year = int(date::year_month_day{day}.year());
  if (year < kFirstYear || year > kLastYear)
    throw invalid_argument(option + " reaches outside the years 1700 to 2100 that Calculate accepts");
}

// Each pair: an option given, and one it cannot go with.
void refuseConflicts(const Options& o) {
  const struct {
    bool first;
    const char* firstName;
    bool second;
    const char* secondName;
  } conflicts[] = {
      {o.date.has_value(), "--date", o.from || o.year, o.from ? "--from" : "--year"},
      {o.days.has_value(), "--days", o.to.has_value(), "--to"},
      {o.year.has_value(), "--year", o.from || o.to || o.days, o.from ? "--from" : o.to ? "--to" : "--days"},
      {o.tz.has_value(), "--tz", o.zone.has_value(), "--zone"},
      {o.step.has_value(), "--step", o.events, "--events"},
      {o.json, "--json", o.format && *o.format != "json", "--format"},
      {o.fields.has_value(), "--fields", o.format == "json" || o.format == "grid" || o.json, "--format json|grid"},
  };
  for (const auto& c : conflicts)
    if (c.first && c.second) throw invalid_argument(std::string(c.firstName) + " conflicts with " + c.secondName);
  for (const auto& [field, text] : o.sets) {
    const bool moment = field.starts_with("Date") || field.starts_with("Time");
    if (moment) throw invalid_argument("--set " + field + " conflicts with the almanac's own dates and times");
    if (field == "Timezon" && o.tz) throw invalid_argument("--set Timezon conflicts with --tz");
  }
}

void requireParts(const Options& o) {
  if (o.year && o.format != "grid") throw invalid_argument("--year needs --format grid");
  if (o.format == "grid" && !o.events) throw invalid_argument("--format grid needs --events");
  if (o.format == "grid" && !o.year) throw invalid_argument("--format grid needs --year");
  if (!o.from && !o.year) {
    const char* given = o.to ? "--to" : o.days ? "--days" : o.step ? "--step" : o.format ? "--format"
                        : o.fields ? "--fields" : "--events";
    throw invalid_argument(std::string(given) + " needs --from");
  }
  if (o.from && !o.to && !o.days) throw invalid_argument("--from needs --to or --days");
}

std::vector<almanac::Column> chosenColumns(const Options& o) {
  if (!o.fields) return {};
  std::vector<almanac::Column> columns = almanac::parseColumns(*o.fields);
  if (o.events)
    for (const almanac::Column& c : columns)
      if (!almanac::isEventColumn(c))
        throw invalid_argument("--fields: \"" + std::string(c.key) + "\" is no column of --events");
  return columns;
}

void setRange(const Options& o, AlmanacPlan& plan) {
  if (o.year) {
    const auto year = wholeNumbers(*o.year, '\0');
    if (!year || year->size() != 1) throw invalid_argument("--year takes YYYY");
    plan.first = date::local_days{date::year{year->front()} / 1 / 1};
    plan.last = date::local_days{date::year{year->front()} / 12 / 31};
    requireYear("--year", plan.first);
    return;
  }
  plan.first = parseDate("--from", *o.from);
  requireYear("--from", plan.first);
  if (o.to) {
    plan.last = parseDate("--to", *o.to);
    if (plan.last < plan.first) throw invalid_argument("--to precedes --from");
    requireYear("--to", plan.last);
    return;
  }
  const auto days = wholeNumbers(*o.days, '\0');
  if (!days || days->size() != 1 || days->front() < 1)
    throw invalid_argument("--days takes a whole number of days, at least 1");
  // Beyond the calendar's years the count is out of range in any case.
  if (days->front() > 200000) throw invalid_argument("--days reaches outside the years 1700 to 2100 that Calculate accepts");
  plan.last = plan.first + date::days{days->front() - 1};
  requireYear("--days", plan.last);
}

}  // namespace

bool wantsAlmanac(const Options& o) {
  return o.from || o.to || o.days || o.step || o.format || o.fields || o.year || o.events;
}

date::local_days parseDate(const std::string& option, const std::string& text) {
  const auto parts = wholeNumbers(text, '.');
  if (parts && parts->size() == 3) {
    const date::year_month_day day{date::year{(*parts)[2]}, date::month{unsigned((*parts)[1])},
                                   date::day{unsigned((*parts)[0])}};
    if (day.ok()) return date::local_days{day};
  }
  throw invalid_argument(option + " takes D.M.YYYY, a date of the calendar");
}

std::chrono::seconds parseTimeOfDay(const std::string& text) {
  const auto parts = wholeNumbers(text, ':');
  if (!parts || parts->size() < 2 || parts->size() > 3 || (*parts)[0] > 23 || (*parts)[1] > 59 ||
      (parts->size() == 3 && (*parts)[2] > 59))
    throw invalid_argument("--time takes H:M[:S], a time of day");
  return std::chrono::hours{(*parts)[0]} + std::chrono::minutes{(*parts)[1]} +
         std::chrono::seconds{parts->size() == 3 ? (*parts)[2] : 0};
}

AlmanacPlan planAlmanac(const Options& o) {
  refuseConflicts(o);
  requireParts(o);
  AlmanacPlan plan;
  plan.events = o.events;
  plan.format = o.format == "csv"                 ? Format::Csv
                : o.format == "json" || o.json    ? Format::Json
                : o.format == "grid"              ? Format::Grid
                                                  : Format::Table;
  setRange(o, plan);
  plan.timeOfDay = o.time ? parseTimeOfDay(*o.time) : o.events ? almanac::kEventHour : std::chrono::seconds{0};
  if (o.step) plan.step = almanac::parseStep(*o.step);
  plan.columns = chosenColumns(o);
  if (o.tz) {
    plan.namedZone = almanac::findNamedZone(*o.tz);
    if (!plan.namedZone) throw invalid_argument("--tz: no zone \"" + *o.tz + "\" in the system's time-zone database");
  }
  return plan;
}

namespace {

struct Run {
  const AlmanacPlan& plan;
  const almanac::Zone& zone;
  almanac::RowCalculator& calculator;
  std::ostream& out;

  // Every offset the range meets is tried on its first date before any row
  // is written, so that a refused zone stops the run before its output.
  std::optional<std::string> refusedZone() const {
    const auto from = zone.instant(plan.first + plan.timeOfDay), to = zone.instant(plan.last + date::days{1});
    const date::local_seconds local = zone.moment(from).local;
    for (const std::string& text : zone.textsBetween(from, to))
      if (auto message = calculator.calculate({local, text})) return message;
    return std::nullopt;
  }

  std::optional<std::string> grid() const {
    calculator.readOnly(almanac::eventPhaseFields());
    almanac::YearOfRows months;
    const date::year year = date::year_month_day{plan.first}.year();
    for (unsigned m = 1; m <= 12; ++m)
      if (auto message = almanac::eventMonth(calculator, zone, year / date::month{m}, plan.timeOfDay, months[m - 1]))
        return message;
    almanac::writeYearGrid(out, int(year), months, calculator.language());
    return std::nullopt;
  }

};

}  // namespace

int runAlmanac(const AlmanacPlan& plan, const MainForm& source, std::ostream& out) {
  almanac::RowCalculator calculator(source);
  const almanac::FixedZone fixedZone(source.model().text("Timezon"));
  const almanac::Zone& zone = plan.namedZone ? *plan.namedZone : static_cast<const almanac::Zone&>(fixedZone);
  const Run run{plan, zone, calculator, out};
  std::optional<std::string> message = run.refusedZone();
  if (!message) {
    if (plan.format == Format::Grid) {
      message = run.grid();
    } else {
      std::vector<almanac::Column> columns = plan.columns;
      if (columns.empty())
        columns = plan.events ? almanac::defaultEventColumns(plan.namedZone != nullptr)
                              : almanac::defaultMomentColumns(plan.namedZone != nullptr);
      // JSON Lines show every field; the other formats their columns'.
      const std::vector<std::string_view> reads = plan.events              ? std::vector<std::string_view>(
                                                                                 almanac::eventPhaseFields().begin(),
                                                                                 almanac::eventPhaseFields().end())
                                                  : plan.format == Format::Json ? std::vector<std::string_view>()
                                                                                : almanac::columnFields(columns);
      if (!reads.empty()) calculator.readOnly(reads);
      const auto output = rowOutput(plan.format, out, std::move(columns), calculator.language(), terminalPageRows());
      message = writeRows({plan, zone, source, reads}, calculator, *output, out);
    }
  }
  out.flush();
  if (message) {
    std::cerr << *message << '\n';
    return 2;
  }
  if (!out) return outputFailed(std::strerror(errno));
  return 0;
}

}  // namespace tessaly::cli
