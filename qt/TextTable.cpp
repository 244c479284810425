#include "qt/TextTable.h"

#include "qt/QtText.h"

namespace tessaly::qtview {

void fillTextTable(QTableWidget& table, const std::vector<std::string>& headings,
                   const std::vector<std::vector<std::string>>& rows,
                   const std::function<bool(std::size_t row, std::size_t column)>& highlighted) {
  table.clear();
  table.setColumnCount(static_cast<int>(headings.size()));
  table.setRowCount(static_cast<int>(rows.size()));
  QStringList labels;
  for (const std::string& heading : headings) labels << toQString(heading);
  table.setHorizontalHeaderLabels(labels);
  QFont bold = table.font();
  bold.setBold(true);
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(toQString(rows[r][c]));
      if (highlighted(r, c)) {
        item->setBackground(table.palette().brush(QPalette::Highlight));
        item->setForeground(table.palette().brush(QPalette::HighlightedText));
        item->setFont(bold);
      }
      table.setItem(static_cast<int>(r), static_cast<int>(c), item);
    }
  table.resizeColumnsToContents();
}

}  // namespace tessaly::qtview
