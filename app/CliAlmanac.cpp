#include "app/CliAlmanac.h"

#include "almanac/CalendarEvents.h"
#include "almanac/PrintPage.h"
#include "almanac/RowCalculator.h"
#include "almanac/YearGrid.h"
#include "app/CliRowOutput.h"
#include "app/CliRows.h"
#include "app/ExitStatus.h"

namespace tessaly::cli {
namespace {

struct Run {
  const AlmanacPlan& plan;
  const Zone& zone;
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

  int year() const { return int(date::year_month_day{plan.first}.year()); }

  std::optional<std::string> grid(almanac::YearOfRows& months) const {
    calculator.readOnly(almanac::eventPhaseFields());
    return almanac::eventYear(calculator, zone, date::year{year()}, plan.timeOfDay, months);
  }

  // The grid on paper, headed by the place and the zone.
  int gridPdf(const almanac::YearOfRows& months, const MainForm& source, std::ostream& err) const {
    const Language language = calculator.language();
    const std::string zoneName = plan.zoneName.empty() ? source.model().text("Timezon") : plan.zoneName;
    const almanac::PrintPage page =
        almanac::yearPrintPage(year(), months, language, almanac::placeHeading(source.model(), zoneName, language));
    if (const std::string error = writePagePdf(*plan.pdf, page, plan.paper); !error.empty()) {
      err << "tessaly-cli: cannot write " << *plan.pdf << ": " << error << '\n';
      return kExitOutputFailed;
    }
    return kExitDone;
  }

  std::optional<std::string> calendar(const MainForm& source) const {
    std::vector<almanac::CalendarEvent> events;
    if (auto message = almanac::calendarEvents(calculator, zone, source.model(),
                                               {plan.first, plan.last, plan.timeOfDay}, plan.columns, events))
      return message;
    const auto now = date::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    out << almanac::calendarFile(events, source.model(), zone, now);
    return std::nullopt;
  }

};

}  // namespace

int runAlmanac(const AlmanacPlan& plan, const MainForm& source, CheckedOutput& output, std::ostream& err) {
  std::ostream out(&output);
  almanac::RowCalculator calculator(source);
  const FixedZone fixedZone(source.model().text("Timezon"));
  const Zone& zone = plan.namedZone ? *plan.namedZone : static_cast<const Zone&>(fixedZone);
  const Run run{plan, zone, calculator, out};
  std::optional<std::string> message = run.refusedZone();
  if (!message) {
    if (plan.format == Format::Grid) {
      almanac::YearOfRows months;
      message = run.grid(months);
      if (!message && plan.pdf) return run.gridPdf(months, source, err);
      if (!message) almanac::writeYearGrid(out, run.year(), months, calculator.language());
    } else if (plan.format == Format::Ics) {
      message = run.calendar(source);
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
      const auto rows = rowOutput(plan.format, out, std::move(columns), calculator.language(), terminalPageRows());
      message = writeRows({plan, zone, source, reads}, calculator, *rows, out);
    }
  }
  if (message) {
    out.flush();
    err << *message << '\n';
    return kExitInputRefused;
  }
  return output.finish(err);
}

}  // namespace tessaly::cli
