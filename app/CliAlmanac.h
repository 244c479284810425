#pragma once
// The almanac from the command line: the options of a range checked before
// any row is written, then the rows in the chosen format.
#include <chrono>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "almanac/Columns.h"
#include "almanac/MomentRange.h"
#include "places/Zone.h"
#include "app/CliOptions.h"
#include "window/MainForm.h"

namespace tessaly::cli {

enum class Format { Table, Csv, Json, Grid };

struct AlmanacPlan {
  Format format = Format::Table;
  bool events = false;
  std::unique_ptr<Zone> namedZone;  // --tz; else the fixed zone of the window
  date::local_days first, last;
  std::chrono::seconds timeOfDay{0};
  almanac::Step step{true, std::chrono::days{1}};
  std::vector<almanac::Column> columns;  // empty: the default ones
};

// Whether the options ask for the almanac rather than one moment.
bool wantsAlmanac(const Options& o);

// Throws std::invalid_argument with a one-line message naming the option.
AlmanacPlan planAlmanac(const Options& o);

// "D.M.YYYY" and "H:M[:S]" as whole numbers of a real date and time of day;
// throws std::invalid_argument naming the option.
date::local_days parseDate(const std::string& option, const std::string& text);
std::chrono::seconds parseTimeOfDay(const std::string& text);

// Writes the rows. Returns the exit status: 0, 2 when Calculate refused a
// row (its message on standard error), kOutputFailed when the output could
// not be written.
int runAlmanac(const AlmanacPlan& plan, const MainForm& source, std::ostream& out);

}  // namespace tessaly::cli
