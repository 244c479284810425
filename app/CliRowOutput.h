#pragma once
// The rows of the almanac as the command line writes them: an aligned table,
// CSV or JSON Lines.
#include <memory>
#include <ostream>
#include <vector>

#include "almanac/EventRow.h"
#include "app/AlmanacPlan.h"
#include "window/WindowModel.h"

namespace tessaly::cli {

class RowOutput {
 public:
  virtual ~RowOutput() = default;
  // A calculated moment, read from the window's fields.
  virtual void moment(const WindowModel& fields) = 0;
  virtual void event(const almanac::EventRow& row) = 0;
};

// pageRows: rows of a terminal page below the table's header, 0 when the
// output is no terminal.
std::unique_ptr<RowOutput> rowOutput(Format format, std::ostream& out, std::vector<almanac::Column> columns,
                                     Language language, std::size_t pageRows);

// Rows below the header on one page of the terminal of standard output; 0
// when it is no terminal.
std::size_t terminalPageRows();

}  // namespace tessaly::cli
