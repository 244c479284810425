#include "qt/YearGridView.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt/QtText.h"
#include "qt/TextTable.h"
#include "window/Calculate.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::qtview {
namespace {

constexpr std::string_view kButtons[] = {"PreviousYear", "NextYear"};

}  // namespace

YearGridView::YearGridView(AlmanacForm& almanac, QWidget* parent) : QWidget(parent), almanac_(almanac) {
  setObjectName("YearGrid");
  auto* previous = new QPushButton(this);
  auto* next = new QPushButton(this);
  previous->setObjectName(toQString(kButtons[0]));
  next->setObjectName(toQString(kButtons[1]));
  pickerLabel_ = new QLabel(this);
  picker_ = new QSpinBox(this);
  picker_->setObjectName("YearPicker");
  picker_->setRange(kFirstYear, kLastYear);
  pickerLabel_->setBuddy(picker_);
  title_ = new QLabel(this);
  title_->setObjectName("YearTitle");
  connect(previous, &QPushButton::clicked, this, [this] { almanac_.previousYear(); });
  connect(next, &QPushButton::clicked, this, [this] { almanac_.nextYear(); });
  connect(picker_, &QSpinBox::valueChanged, this, [this](int year) {
    if (!showing_) almanac_.showYear(year);
  });

  table_ = new QTableWidget(this);
  table_->setObjectName("YearTable");
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  // The cells align their times in fixed columns, as the command line does.
  table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() * 5 / 4);

  auto* navigation = new QHBoxLayout;
  navigation->addWidget(previous);
  navigation->addWidget(pickerLabel_);
  navigation->addWidget(picker_);
  navigation->addWidget(next);
  navigation->addSpacing(fontMetrics().height());
  navigation->addWidget(title_);
  navigation->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(navigation);
  layout->addWidget(table_);
}

QString YearGridView::caption(std::string_view control) const {
  return toQString(additionCaption(control, almanac_.language()));
}

void YearGridView::setCaptions() {
  for (std::string_view name : kButtons) findChild<QPushButton*>(toQString(name))->setText(caption(name));
  pickerLabel_->setText(caption("YearPicker"));
  table_->setAccessibleName(caption("YearTable"));
}

void YearGridView::showYear() {
  const QScopedValueRollback<bool> showing(showing_, true);
  picker_->setValue(almanac_.gridYear());
  const YearPage& page = almanac_.yearPage();
  title_->setText(toQString(page.title));
  const auto today = almanac_.todayCell();
  // Rows are days from 1, columns months from 1 after the day's column.
  fillTextTable(*table_, page.headings, page.rows, [today](std::size_t row, std::size_t column) {
    return today == std::array{static_cast<int>(row) + 1, static_cast<int>(column)};
  });
  for (int day = 1; day <= table_->rowCount(); ++day)
    for (int month = 1; month < table_->columnCount(); ++month)
      table_->item(day - 1, month)->setData(Qt::AccessibleTextRole, toQString(yearCellSpoken(page, day, month)));
}

}  // namespace tessaly::qtview
