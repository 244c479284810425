#include "app/CliAlmanac.h"

#include "almanac/CalendarEvents.h"
#include "almanac/PrintPage.h"
#include "almanac/RowCalculator.h"
#include "almanac/YearGrid.h"
#include "app/CliProgress.h"
#include "app/CliRowOutput.h"
#include "app/ExitStatus.h"

namespace tessaly::cli {
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

  int year() const { return int(date::year_month_day{plan.first}.year()); }

  std::optional<std::string> grid(almanac::YearOfRows& months) const {
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
    const auto* named = dynamic_cast<const almanac::NamedZone*>(&zone);
    const auto now = date::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    out << almanac::iCalendarText(events, almanac::calendarPlace(source.model()), named ? &named->zone() : nullptr, now);
    return std::nullopt;
  }

  std::optional<std::string> rows(RowOutput& output) const {
    if (plan.events) {
      Progress progress(static_cast<std::uint64_t>((plan.last - plan.first).count() + 1));
      almanac::EventRow row;
      for (date::local_days day = plan.first; day <= plan.last && out; day += date::days{1}) {
        if (auto message = almanac::eventRow(calculator, zone, day, plan.timeOfDay, row)) return message;
        output.event(row);
        progress.rowDone();
      }
      return std::nullopt;
    }
    almanac::MomentRange range(zone, plan.first, plan.last, plan.timeOfDay, plan.step);
    Progress progress(range.size());
    almanac::LocalMoment moment;
    while (out && range.next(moment)) {
      if (auto message = calculator.calculate(moment)) return message;
      output.moment(calculator.fields());
      progress.rowDone();
    }
    return std::nullopt;
  }
};

}  // namespace

int runAlmanac(const AlmanacPlan& plan, const MainForm& source, CheckedOutput& output, std::ostream& err) {
  std::ostream out(&output);
  almanac::RowCalculator calculator(source);
  const almanac::FixedZone fixedZone(source.model().text("Timezon"));
  const almanac::Zone& zone = plan.namedZone ? *plan.namedZone : static_cast<const almanac::Zone&>(fixedZone);
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
      const auto rows = rowOutput(plan.format, out, std::move(columns), calculator.language(), terminalPageRows());
      message = run.rows(*rows);
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
