#pragma once
// A table of texts shown read-only, its highlighted cells in the palette's
// highlight and bold, as the almanac shows today.
#include <QTableWidget>

#include <functional>
#include <string>
#include <vector>

namespace tessaly::qtview {

void fillTextTable(QTableWidget& table, const std::vector<std::string>& headings,
                   const std::vector<std::vector<std::string>>& rows,
                   const std::function<bool(std::size_t row, std::size_t column)>& highlighted);

}  // namespace tessaly::qtview
