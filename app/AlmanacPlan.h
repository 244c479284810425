#pragma once
// The almanac's options checked before any row is written: the range, the
// step, the format, the columns and the zone, or a one-line refusal naming
// the option.
#include <chrono>
#include <memory>
#include <vector>

#include "almanac/Columns.h"
#include "almanac/MomentRange.h"
#include "app/CliOptions.h"
#include "app/PagePdf.h"
#include "places/Zone.h"

namespace tessaly::cli {

enum class Format { Table, Csv, Json, Grid, Ics };

struct AlmanacPlan {
  Format format = Format::Table;
  bool events = false;
  std::unique_ptr<Zone> namedZone;  // --tz; else the fixed zone of the window
  date::local_days first, last;
  std::chrono::seconds timeOfDay{0};
  almanac::Step step{true, std::chrono::days{1}};
  std::vector<almanac::Column> columns;  // empty: the default ones
  std::optional<std::string> pdf;        // the grid as a PDF file
  Paper paper = Paper::A4;
  std::string zoneName;                  // --tz, for the PDF's heading
};

// Throws UsageError with a one-line message naming the option.
AlmanacPlan planAlmanac(const Options& o);

// The named zone of --tz; throws UsageError for a name the system's
// database does not hold.
std::unique_ptr<Zone> namedZone(const std::string& name);

}  // namespace tessaly::cli
