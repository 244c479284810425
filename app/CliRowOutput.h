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
  explicit RowOutput(std::ostream& out) : out_(out) {}
  virtual ~RowOutput() = default;
  // The text of a row, appended to `text` and not yet written, so that
  // workers can make rows for one output: a calculated moment, read from
  // the window's fields, or an event row.
  virtual void momentText(const WindowModel& fields, std::string& text) const = 0;
  virtual void eventText(const almanac::EventRow& row, std::string& text) const = 0;
  // Writes the text of one row, after a page's header where one is due.
  virtual void writeRow(const std::string& text) { writeRows(text); }
  // Writes the texts of rows that need no page headers between them.
  void writeRows(const std::string& text) { out_.write(text.data(), static_cast<std::streamsize>(text.size())); }
  // Whether rows need headers between them, and so one writeRow each.
  virtual bool paged() const { return false; }

 protected:
  std::ostream& out_;
};

// pageRows: rows of a terminal page below the table's header, 0 when the
// output is no terminal.
std::unique_ptr<RowOutput> rowOutput(Format format, std::ostream& out, std::vector<almanac::Column> columns,
                                     Language language, std::size_t pageRows);

// Rows below the header on one page of the terminal of standard output; 0
// when it is no terminal.
std::size_t terminalPageRows();

}  // namespace tessaly::cli
