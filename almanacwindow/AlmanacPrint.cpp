// The tab in view as a page for paper.
#include <algorithm>

#include "almanac/CaptionsAlmanac.h"
#include "almanac/Utf8Text.h"
#include "almanacwindow/AlmanacForm.h"
#include "window/CaptionsAdditions.h"
#include "window/FilledCaption.h"

namespace tessaly {
namespace {

// Each column as wide as its widest text.
std::vector<std::size_t> widthsOf(const std::vector<std::string>& headings,
                                  const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const std::string& heading : headings) widths.push_back(displayWidth(heading));
  for (const auto& row : rows)
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
      widths[c] = std::max(widths[c], displayWidth(row[c]));
  return widths;
}

}  // namespace

almanac::PrintPage AlmanacForm::printPage() const {
  const Language lang = language();
  // A linked zone by its name: its offset changes within the page.
  const std::string& linked = main_.linkedZone().name();
  std::string place = almanac::placeHeading(main_.model(), linked.empty() ? main_.model().text("Timezon") : linked, lang);
  switch (tab_) {
    case Tab::Year:
      return almanac::tablePrintPage(yearPage_.title, std::move(place), yearPage_.headings, yearPage_.rows,
                                     widthsOf(yearPage_.headings, yearPage_.rows));
    case Tab::Month: {
      const std::string title = std::string(additionCaption("MonthTable", lang)) + "  " +
                                std::string(almanacMonthCaptions()[static_cast<std::size_t>(page_.month - 1)].in(lang)) +
                                " " + std::to_string(page_.year);
      return almanac::tablePrintPage(title, std::move(place), page_.headings, page_.rows,
                                     widthsOf(page_.headings, page_.rows));
    }
    case Tab::Day: break;
  }
  return {filledCaption(additionCaption("ChartTitle", lang), {day_.dateText}), std::move(place), {}};
}

}  // namespace tessaly
