#include "app/CliAlmanac.h"

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

int runAlmanac(const AlmanacPlan& plan, const MainForm& source, CheckedOutput& output, std::ostream& err) {
  std::ostream out(&output);
  almanac::RowCalculator calculator(source);
  const FixedZone fixedZone(source.model().text("Timezon"));
  const Zone& zone = plan.namedZone ? *plan.namedZone : static_cast<const Zone&>(fixedZone);
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
