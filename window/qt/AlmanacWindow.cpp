#include "AlmanacWindow.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "CaptionsAlmanac.h"
#include "DayChart.h"
#include "QtText.h"

namespace tessaly::qtview {
namespace {

// Buttons named after their captions.
constexpr std::string_view kButtons[] = {"PreviousMonth", "NextMonth", "ExportCsv", "CopyTable"};

}  // namespace

AlmanacWindow::AlmanacWindow(AlmanacForm& almanac, QWidget* parent)
    : QWidget(parent, Qt::Window), almanac_(almanac) {
  setObjectName("AlmanacWindow");
  tabs_ = new QTabWidget(this);
  tabs_->addTab(monthPage(), QString());
  chart_ = new DayChart(almanac_, this);
  tabs_->addTab(chart_, QString());
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!showing_) almanac_.tabChosen(index == 0 ? AlmanacForm::Tab::Month : AlmanacForm::Tab::Day);
  });
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(tabs_);
  setCaptions();
}

QWidget* AlmanacWindow::monthPage() {
  auto* page = new QWidget;
  auto* previous = new QPushButton(page);
  auto* next = new QPushButton(page);
  pickerLabel_ = new QLabel(page);
  picker_ = new QDateEdit(page);
  picker_->setObjectName("MonthPicker");
  picker_->setDisplayFormat("MM.yyyy");
  picker_->setCalendarPopup(true);
  picker_->setDateRange(QDate(AlmanacForm::kFirstYear, 1, 1), QDate(AlmanacForm::kLastYear, 12, 31));
  pickerLabel_->setBuddy(picker_);
  connect(picker_, &QDateEdit::dateChanged, this, [this](QDate date) {
    if (!showing_) almanac_.showMonth(date.month(), date.year());
  });
  connect(previous, &QPushButton::clicked, this, [this] { almanac_.previousMonth(); });
  connect(next, &QPushButton::clicked, this, [this] { almanac_.nextMonth(); });

  table_ = new QTableWidget(page);
  table_->setObjectName("MonthTable");
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();

  auto* exportCsv = new QPushButton(page);
  auto* copy = new QPushButton(page);
  int i = 0;
  for (QPushButton* button : {previous, next, exportCsv, copy}) button->setObjectName(toQString(kButtons[i++]));

  auto* navigation = new QHBoxLayout;
  navigation->addWidget(previous);
  navigation->addWidget(pickerLabel_);
  navigation->addWidget(picker_);
  navigation->addWidget(next);
  navigation->addStretch();
  navigation->addWidget(exportCsv);
  navigation->addWidget(copy);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(navigation);
  layout->addWidget(table_);
  return page;
}

void AlmanacWindow::setCaptions() {
  const Language language = almanac_.language();
  const auto caption = [language](std::string_view control) {
    return toQString(almanacCaption(control, language));
  };
  setWindowTitle(caption("AlmanacWindow"));
  tabs_->setTabText(0, caption("MonthTab"));
  tabs_->setTabText(1, caption("DayTab"));
  for (std::string_view name : kButtons)
    findChild<QPushButton*>(toQString(name))->setText(caption(name));
  pickerLabel_->setText(caption("MonthPicker"));
  chart_->setAccessibleName(caption("DayChart"));
  chart_->update();
}

void AlmanacWindow::showMonth() {
  picker_->setDate(QDate(almanac_.year(), almanac_.month(), 1));
}

void AlmanacWindow::showForm() {
  const QScopedValueRollback<bool> showing(showing_, true);
  tabs_->setCurrentIndex(almanac_.tab() == AlmanacForm::Tab::Month ? 0 : 1);
  showMonth();
  chart_->update();
}

void AlmanacWindow::closeEvent(QCloseEvent* event) {
  almanac_.closed();
  event->accept();
}

}  // namespace tessaly::qtview
