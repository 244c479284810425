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
  std::vector<almanac::Column> columns = plan.columns;
  if (columns.empty()) columns = plan.events ? almanac::defaultEventColumns(true) : almanac::defaultMomentColumns(true);
  std::ostringstream out;
  const auto output = rowOutput(plan.format, out, columns, calculator.language(), 0);
  Written written;
  written.message = writeRows({plan, zone, source->form, {}, 0, workers, rowsPerChunk}, calculator, *output, out);
  written.text = out.str();
  return written;
}

AlmanacPlan plan(Format format, bool events, const char* step, date::local_days first, date::local_days last) {
  AlmanacPlan p;
  p.format = format;
  p.events = events;
  p.first = first;
  p.last = last;
  p.timeOfDay = events ? almanac::kEventHour : std::chrono::seconds{0};
  p.step = almanac::parseStep(step);
  return p;
}

constexpr date::local_days kMarch{date::year{2026} / 3 / 20}, kNovember{date::year{2026} / 11 / 5};

// Chunks of a day or so, of some days, and of steps that do not divide a
// day, through both changes of offset of a named zone.
TEST(CliRows, WorkersWriteWhatOneCoreWrites) {
  const auto berlin = findNamedZone("Europe/Berlin");
  ASSERT_TRUE(berlin);
  const struct {
    AlmanacPlan plan;
    std::uint64_t rowsPerChunk;
  } cases[] = {
      {plan(Format::Csv, false, "1h", kMarch, kNovember), 30},
      {plan(Format::Json, false, "50m", kMarch, kMarch + date::days{12}), 100},
      {plan(Format::Table, false, "3d", kMarch, kNovember), 5},
      {plan(Format::Table, true, "1d", kMarch, kNovember), 7},
      {plan(Format::Json, true, "1d", kMarch, kNovember), 1},
  };
  for (const auto& c : cases) {
    const Written one = rows(c.plan, *berlin, 1, c.rowsPerChunk);
    const Written two = rows(c.plan, *berlin, 2, c.rowsPerChunk);
    EXPECT_FALSE(one.message);
    EXPECT_GT(one.text.size(), 1000u);
    EXPECT_EQ(one.text, two.text) << c.rowsPerChunk;
  }
}

// A refused zone stops the workers' rows where it stops one core's.
TEST(CliRows, WorkersStopAtTheRefusedRow) {
  const FixedZone refused("13");
  const AlmanacPlan p = plan(Format::Csv, false, "1h", kMarch, kMarch + date::days{20});
  const Written one = rows(p, refused, 1, 24);
  const Written two = rows(p, refused, 2, 24);
  ASSERT_TRUE(one.message);
  EXPECT_EQ(one.message, two.message);
  EXPECT_EQ(one.text, two.text);
}

}  // namespace
}  // namespace tessaly::cli
