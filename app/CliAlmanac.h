#pragma once
// The almanac from the command line: the rows of a checked plan in its
// format.
#include <ostream>

#include "app/AlmanacPlan.h"
#include "app/CheckedOutput.h"
#include "window/MainForm.h"

namespace tessaly::cli {

// Writes the rows to `output`. Returns the exit status: kExitDone,
// kExitInputRefused when Calculate refused a row (its message on `err`),
// kExitOutputFailed when the output could not be written (said on `err`).
int runAlmanac(const AlmanacPlan& plan, const MainForm& source, CheckedOutput& output, std::ostream& err);

}  // namespace tessaly::cli
