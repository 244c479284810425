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
  line(captions_);
  out_ << rule_ << '\n';
  rowsOnPage_ = 0;
}

void Table::line(const std::vector<std::string>& texts) {
  std::string text;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i) text.append(2, ' ');
    text += texts[i];
    if (i + 1 < texts.size()) text.append(widths_[i] - std::min(widths_[i], displayWidth(texts[i])), ' ');
  }
  text.erase(text.find_last_not_of(' ') + 1);
  out_ << text << '\n';
}

void Table::row(const std::vector<std::string>& texts) {
  if (pageRows_ && rowsOnPage_ == pageRows_) header();
  line(texts);
  ++rowsOnPage_;
}

}  // namespace tessaly::almanac
