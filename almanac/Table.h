#pragma once
// Aligned text columns, widths counted in the columns a terminal gives the
// characters, so that Russian captions line up; the header comes again at
// the top of every page.
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace tessaly::almanac {

class Table {
 public:
  // pageRows: rows of a page below its header; 0 for one header only.
  Table(std::ostream& out, std::vector<std::string> captions, std::vector<std::size_t> widths,
        std::size_t pageRows);
  void row(const std::vector<std::string>& texts);
  // A row's line, appended to `text`, line end included.
  void lineText(const std::vector<std::string>& texts, std::string& text) const;
  // Writes a line made by lineText, after the header where a page begins.
  void writeLine(const std::string& line);
  bool paged() const { return pageRows_ != 0; }

 private:
  void header();

  std::ostream& out_;
  std::vector<std::string> captions_;
  std::vector<std::size_t> widths_;
  std::size_t pageRows_;
  std::size_t rowsOnPage_ = 0;
  std::string rule_;
};

}  // namespace tessaly::almanac
