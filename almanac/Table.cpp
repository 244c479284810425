#include "almanac/Table.h"

#include <algorithm>

#include "almanac/Utf8Text.h"

namespace tessaly::almanac {

Table::Table(std::ostream& out, std::vector<std::string> captions, std::vector<std::size_t> widths,
             std::size_t pageRows)
    : out_(out), captions_(std::move(captions)), widths_(std::move(widths)), pageRows_(pageRows) {
  std::size_t total = 0;
  for (std::size_t i = 0; i < widths_.size(); ++i) {
    widths_[i] = std::max(widths_[i], displayWidth(captions_[i]));
    total += widths_[i] + (i ? 2 : 0);
  }
  rule_.assign(total, '-');
  header();
}

void Table::header() {
  std::string text;
  lineText(captions_, text);
  text += rule_;
  text += '\n';
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  rowsOnPage_ = 0;
}

void Table::lineText(const std::vector<std::string>& texts, std::string& text) const {
  const std::size_t start = text.size();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i) text.append(2, ' ');
    text += texts[i];
    if (i + 1 < texts.size()) text.append(widths_[i] - std::min(widths_[i], displayWidth(texts[i])), ' ');
  }
  const std::size_t last = text.find_last_not_of(' ');
  text.erase(last == std::string::npos || last < start ? start : last + 1);
  text += '\n';
}

void Table::writeLine(const std::string& line) {
  if (pageRows_ && rowsOnPage_ == pageRows_) header();
  out_.write(line.data(), static_cast<std::streamsize>(line.size()));
  ++rowsOnPage_;
}

void Table::row(const std::vector<std::string>& texts) {
  std::string line;
  lineText(texts, line);
  writeLine(line);
}

}  // namespace tessaly::almanac
