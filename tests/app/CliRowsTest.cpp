// Rows made by workers on whole dates, against the same rows made one after
// another: the same bytes, across changes of offset, for every kind of row.
#include <gtest/gtest.h>

#include <sstream>

#include "app/CliRows.h"
#include "tests/almanac/SingleRun.h"

namespace tessaly::cli {
namespace {

struct Written {
  std::string text;
  std::optional<std::string> message;
};

Written rows(const AlmanacPlan& plan, const Zone& zone, unsigned workers, std::uint64_t rowsPerChunk) {
  const auto source = testing::typedForm(testing::kPlace);
  almanac::RowCalculator calculator(source->form);
  const auto columns = plan.events ? almanac::defaultEventColumns(true) : almanac::defaultMomentColumns(true);
  std::ostringstream out;
  const auto output = rowOutput(plan.format, out, columns, calculator.language(), 0);
  const auto message = writeRows({plan, zone, source->form, {}, 0, workers, rowsPerChunk}, calculator, *output, out);
  return {out.str(), message};
}

constexpr date::local_days kMarch{date::year{2026} / 3 / 20}, kNovember{date::year{2026} / 11 / 5};

// From kMarch to `last`.
AlmanacPlan plan(Format format, bool events, const char* step, date::local_days last) {
  AlmanacPlan p;
  p.format = format;
  p.events = events;
  p.first = kMarch;
  p.last = last;
  p.timeOfDay = events ? almanac::kEventHour : std::chrono::seconds{0};
  p.step = almanac::parseStep(step);
  return p;
}

// Chunks of a day or so, of some days, and of steps that do not divide a
// day, through both changes of offset of a named zone; and a refused zone,
// which stops the workers' rows where it stops one core's.
TEST(CliRows, WorkersWriteWhatOneCoreWrites) {
  const auto berlin = findNamedZone("Europe/Berlin");
  ASSERT_TRUE(berlin);
  const FixedZone refused("13");
  const struct {
    AlmanacPlan plan;
    const Zone& zone;
    std::uint64_t rowsPerChunk;
  } cases[] = {
      {plan(Format::Csv, false, "1h", kNovember), *berlin, 30},
      {plan(Format::Json, false, "50m", kMarch + date::days{12}), *berlin, 100},
      {plan(Format::Table, false, "3d", kNovember), *berlin, 5},
      {plan(Format::Table, true, "1d", kNovember), *berlin, 7},
      {plan(Format::Json, true, "1d", kNovember), *berlin, 1},
      {plan(Format::Csv, false, "1h", kMarch + date::days{20}), refused, 24},
  };
  for (const auto& c : cases) {
    const Written one = rows(c.plan, c.zone, 1, c.rowsPerChunk);
    const Written two = rows(c.plan, c.zone, 2, c.rowsPerChunk);
    EXPECT_EQ(one.message.has_value(), &c.zone == &refused);
    EXPECT_EQ(one.message, two.message);
    EXPECT_GT(one.text.size(), one.message ? 0u : 1000u);
    EXPECT_EQ(one.text, two.text) << c.rowsPerChunk;
  }
}

}  // namespace
}  // namespace tessaly::cli
