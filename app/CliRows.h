#pragma once
// The rows of an almanac range, written in order. A range long enough to
// profit is cut into whole dates that workers on every core calculate, each
// with a row calculator of its own; the output is the same to the byte.
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "almanac/RowCalculator.h"
#include "app/CliAlmanac.h"
#include "app/CliRowOutput.h"
#include "places/Zone.h"
#include "window/MainForm.h"

namespace tessaly::cli {

// Cores this process may run on.
unsigned usableCores();

struct RowsRun {
  const AlmanacPlan& plan;
  const Zone& zone;
  const MainForm& source;
  // The calculated fields the rows read; empty for all of them.
  std::span<const std::string_view> reads;
  // Rows beyond which workers take over, and how many; rows a worker takes
  // at once, in whole dates.
  std::uint64_t parallelFrom = 10000;
  unsigned workers = usableCores();
  std::uint64_t rowsPerChunk = 2000;
};

// Writes the rows; returns the message of a refused input, after the rows
// before it.
std::optional<std::string> writeRows(const RowsRun& run, almanac::RowCalculator& calculator, RowOutput& output,
                                     std::ostream& out);

}  // namespace tessaly::cli
