#include "qt/AlmanacWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "qt/DayChart.h"
#include "qt/QtText.h"
#include "qt/TextTable.h"
#include "qt/SkyPathView.h"
#include "qt/YearGridView.h"
#include "window/Calculate.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::qtview {
namespace {

// Buttons named after their captions: the month tab's, then the window's.
constexpr std::string_view kButtons[] = {"PreviousMonth", "NextMonth", "ExportCsv", "ExportIcs", "CopyTable",
                                         "PrintPage",     "ExportPdf"};

}  // namespace

AlmanacWindow::AlmanacWindow(AlmanacForm& almanac, QWidget* parent)
    : QWidget(parent, Qt::Window), almanac_(almanac) {
  setObjectName("AlmanacWindow");
  tabs_ = new QTabWidget(this);
  tabs_->addTab(monthPage(), QString());
  chart_ = new DayChart(almanac_, this);
  sky_ = new SkyPathView(almanac_, this);
  auto* day = new QWidget;
  auto* dayLayout = new QHBoxLayout(day);
  dayLayout->setContentsMargins(0, 0, 0, 0);
  dayLayout->addWidget(chart_, 3);
  dayLayout->addWidget(sky_, 2);
  tabs_->addTab(day, QString());
  year_ = new YearGridView(almanac_, this);
  tabs_->addTab(year_, QString());
  // The tabs stand in the order of the form's tabs.
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!showing_) almanac_.tabChosen(static_cast<AlmanacForm::Tab>(index));
  });
  // Esc closes this window only; in the main window it ends the program.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  auto* print = new QPushButton(this);
  auto* exportPdf = new QPushButton(this);
  print->setObjectName("PrintPage");
  exportPdf->setObjectName("ExportPdf");
  connect(print, &QPushButton::clicked, this, &AlmanacWindow::printTab);
  connect(exportPdf, &QPushButton::clicked, this, &AlmanacWindow::choosePdfFile);
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &AlmanacWindow::printTab);
  auto* paper = new QHBoxLayout;
  paper->addStretch();
  paper->addWidget(print);
  paper->addWidget(exportPdf);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(tabs_);
  outer->addLayout(paper);
  const int line = fontMetrics().height();
  resize(line * 74, line * 36);
  setCaptions();
}

QWidget* AlmanacWindow::monthPage() {
  auto* page = new QWidget;
  auto* previous = new QPushButton(page);
  auto* next = new QPushButton(page);
  auto* exportCsv = new QPushButton(page);
  auto* exportIcs = new QPushButton(page);
  auto* copy = new QPushButton(page);
  pickerLabel_ = new QLabel(page);
  picker_ = new QDateEdit(page);
  picker_->setObjectName("MonthPicker");
  picker_->setDisplayFormat("MM.yyyy");
  picker_->setCalendarPopup(true);
  picker_->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
  pickerLabel_->setBuddy(picker_);
  connect(picker_, &QDateEdit::dateChanged, this, [this](QDate date) {
    if (!showing_) almanac_.showMonth(date.month(), date.year());
  });
  connect(previous, &QPushButton::clicked, this, [this] { almanac_.previousMonth(); });
  connect(next, &QPushButton::clicked, this, [this] { almanac_.nextMonth(); });
  connect(exportCsv, &QPushButton::clicked, this, [this] { chooseExportFile(); });
  connect(exportIcs, &QPushButton::clicked, this, [this] { chooseCalendarFile(); });
  connect(copy, &QPushButton::clicked, this, [this] { copyTable(); });

  table_ = new QTableWidget(page);
  table_->setObjectName("MonthTable");
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() * 3 / 2);

  int i = 0;
  for (QPushButton* button : {previous, next, exportCsv, exportIcs, copy}) button->setObjectName(toQString(kButtons[i++]));

  auto* navigation = new QHBoxLayout;
  navigation->addWidget(previous);
  navigation->addWidget(pickerLabel_);
  navigation->addWidget(picker_);
  navigation->addWidget(next);
  navigation->addStretch();
  navigation->addWidget(exportCsv);
  navigation->addWidget(exportIcs);
  navigation->addWidget(copy);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(navigation);
  layout->addWidget(table_);
  return page;
}

QString AlmanacWindow::caption(std::string_view control) const {
  return toQString(additionCaption(control, almanac_.language()));
}

void AlmanacWindow::setCaptions() {
  setWindowTitle(caption("AlmanacWindow"));
  tabs_->setTabText(0, caption("MonthTab"));
  tabs_->setTabText(1, caption("DayTab"));
  tabs_->setTabText(2, caption("YearTab"));
  year_->setCaptions();
  sky_->setCaptions();
  for (std::string_view name : kButtons)
    findChild<QPushButton*>(toQString(name))->setText(caption(name));
  pickerLabel_->setText(caption("MonthPicker"));
  chart_->setAccessibleName(caption("DayChart"));
  table_->setAccessibleName(caption("MonthTable"));
  chart_->update();
}

void AlmanacWindow::showMonth() {
  picker_->setDate(QDate(almanac_.year(), almanac_.month(), 1));
  const MonthPage& page = almanac_.page();
  const auto today = almanac_.todayRow();
  fillTextTable(*table_, page.headings, page.rows, [today](std::size_t row, std::size_t) { return today == row; });
}

void AlmanacWindow::chooseExportFile() {
  const QString suggested = QStringLiteral("tessaly-%1-%2.csv").arg(almanac_.year()).arg(almanac_.month(), 2, 10, QLatin1Char('0'));
  const QString path = QFileDialog::getSaveFileName(this, caption("ExportCsv").remove(QLatin1Char('&')), suggested,
                                                    caption("CsvFiles"));
  if (!path.isEmpty()) exportTo(path);
}

void AlmanacWindow::chooseCalendarFile() {
  const QString suggested = QStringLiteral("tessaly-%1-%2.ics").arg(almanac_.year()).arg(almanac_.month(), 2, 10, QLatin1Char('0'));
  const QString path = QFileDialog::getSaveFileName(this, caption("ExportIcs").remove(QLatin1Char('&')), suggested,
                                                    caption("IcsFiles"));
  if (!path.isEmpty()) exportCalendarTo(path);
}

void AlmanacWindow::exportCalendarTo(const QString& path) {
  if (!almanac_.exportCalendar(toStdString(path)))
    QMessageBox::warning(this, toQString(kWindowCaption), caption("CsvWriteFailed"));
}

void AlmanacWindow::exportTo(const QString& path) {
  if (!almanac_.exportCsv(toStdString(path)))
    QMessageBox::warning(this, toQString(kWindowCaption), caption("CsvWriteFailed"));
}

void AlmanacWindow::copyTable() const {
  QApplication::clipboard()->setText(toQString(monthText(almanac_.page())));
}

void AlmanacWindow::showForm() {
  const QScopedValueRollback<bool> showing(showing_, true);
  tabs_->setCurrentIndex(static_cast<int>(almanac_.tab()));
  showMonth();
  year_->showYear();
  sky_->update();
  chart_->update();
}

void AlmanacWindow::closeEvent(QCloseEvent* event) {
  almanac_.closed();
  event->accept();
}

}  // namespace tessaly::qtview
