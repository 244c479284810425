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
#include <QScreen>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "almanacwindow/WindowPlace.h"
#include "qt/DayChart.h"
#include "qt/QtText.h"
#include "qt/SkyPathView.h"
#include "qt/TextTable.h"
#include "qt/YearGridView.h"
#include "window/Calculate.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::qtview {
namespace {

// Buttons named after their captions: the month tab's, then the window's.
constexpr std::string_view kButtons[] = {"PreviousMonth", "NextMonth", "ExportCsv", "ExportIcs", "CopyTable",
                                         "PrintPage",     "ExportPdf"};

// A month box whose calendar opens from the keyboard too, with Alt+Down or
// F4 as a drop-down list opens: the keys press its arrow.
class MonthBox : public QDateEdit {
 public:
  using QDateEdit::QDateEdit;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool open = event->key() == Qt::Key_F4 ||
                      ((event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
                       event->modifiers().testFlag(Qt::AltModifier));
    if (!open || !calendarPopup()) return QDateEdit::keyPressEvent(event);
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    const QPointF arrow =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this).center();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    mousePressEvent(&press);
  }
};

Box boxOf(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }

Box onScreen(const QWidget& window) {
  const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
  return boxOf(screen->availableGeometry());
}

}  // namespace

// The month box, losing its focus as the children go, would finish its
// editing into a window that is no more.
AlmanacWindow::~AlmanacWindow() { disconnect(picker_, nullptr, this, nullptr); }

AlmanacWindow::AlmanacWindow(AlmanacForm& almanac) : QWidget(nullptr, Qt::Window), almanac_(almanac) {
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
  picker_ = new MonthBox(page);
  picker_->setObjectName("MonthPicker");
  picker_->setDisplayFormat("MM.yyyy");
  picker_->setCalendarPopup(true);
  // A month typed takes effect when it is whole: on Enter or on leaving
  // the box, never half-typed.
  picker_->setKeyboardTracking(false);
  picker_->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
  pickerLabel_->setBuddy(picker_);
  connect(picker_, &QDateEdit::dateChanged, this, [this](QDate date) {
    if (!showing_) almanac_.showMonth(date.month(), date.year());
  });
  // Text left in the box that did not make a month gives way to the month
  // shown.
  connect(picker_, &QDateEdit::editingFinished, this, [this] { showForm(); });
  connect(previous, &QPushButton::clicked, this, [this] { almanac_.previousMonth(); });
  connect(next, &QPushButton::clicked, this, [this] { almanac_.nextMonth(); });
  connect(exportCsv, &QPushButton::clicked, this, [this] { chooseExportFile(); });
  connect(exportIcs, &QPushButton::clicked, this, [this] { chooseCalendarFile(); });
  connect(copy, &QPushButton::clicked, this, [this] { copyTable(); });

  table_ = new QTableWidget(page);
  table_->setObjectName("MonthTable");
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Tab leaves the table for the next control; arrows move within it.
  table_->setTabKeyNavigation(false);
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
  // As the eye reads the row, then the table.
  QWidget* order[] = {previous, picker_, next, exportCsv, copy, table_};
  for (std::size_t n = 1; n < std::size(order); ++n) setTabOrder(order[n - 1], order[n]);
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
  chart_->showDay();
}

void AlmanacWindow::showMonth() {
  // Not while the user types a month into the box.
  if (!picker_->hasFocus()) picker_->setDate(QDate(almanac_.year(), almanac_.month(), 1));
  if (tableRevision_ == almanac_.tableRevision()) return;
  tableRevision_ = almanac_.tableRevision();
  fillTable();
  // A new language brings headings of other widths: the window takes the
  // width of the table again. Otherwise it only grows, keeping a width the
  // user gave it.
  const bool newLanguage = languageShown_ != almanac_.page().language;
  languageShown_ = almanac_.page().language;
  fitToTable(newLanguage);
}

// The cells are rewritten in place, so that the current cell, the
// selection and what a screen reader holds stay across the refreshes.
void AlmanacWindow::fillTable() {
  const MonthPage& page = almanac_.page();
  table_->setColumnCount(static_cast<int>(page.headings.size()));
  table_->setRowCount(static_cast<int>(page.rows.size()));
  for (std::size_t c = 0; c < page.headings.size(); ++c) {
    const QString heading = toQString(page.headings[c]);
    QTableWidgetItem* item = table_->horizontalHeaderItem(static_cast<int>(c));
    if (!item) table_->setHorizontalHeaderItem(static_cast<int>(c), item = new QTableWidgetItem);
    item->setText(heading);
  }
  const auto today = almanac_.todayRow();
  const QString todayWord = caption("Today");
  QFont bold = table_->font();
  bold.setBold(true);
  // Today stands out in bold on a tint of the link colour, apart from the
  // selection's colour, and is said.
  QColor tint = palette().color(QPalette::Link);
  tint.setAlphaF(0.18f);
  for (std::size_t r = 0; r < page.rows.size(); ++r)
    for (std::size_t c = 0; c < page.rows[r].size(); ++c) {
      QTableWidgetItem* item = table_->item(static_cast<int>(r), static_cast<int>(c));
      if (!item) table_->setItem(static_cast<int>(r), static_cast<int>(c), item = new QTableWidgetItem);
      const QString text = toQString(page.rows[r][c]);
      const bool isToday = today == r;
      item->setText(text);
      item->setTextAlignment((page.numeric[c] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
      item->setFont(isToday ? bold : table_->font());
      item->setBackground(isToday ? QBrush(tint) : QBrush());
      item->setData(Qt::AccessibleTextRole, isToday && c == 0 ? text + ", " + todayWord : QVariant());
      item->setData(Qt::AccessibleDescriptionRole, isToday ? todayWord : QVariant());
    }
}

// The table takes the width of its columns, in either language and at any
// scale, as far as the screen allows.
void AlmanacWindow::fitToTable(bool exactly) {
  table_->resizeColumnsToContents();
  const int columns = table_->horizontalHeader()->length() + table_->verticalScrollBar()->sizeHint().width() +
                      2 * table_->frameWidth();
  // The least width of the window with the table at a width: the layouts
  // between them keep their sizes until told.
  const auto windowWidthWith = [this](int tableWidth) {
    table_->setMinimumWidth(tableWidth);
    for (QWidget* w = table_; w != this; w = w->parentWidget()) {
      if (w->layout()) w->layout()->invalidate();
      w->updateGeometry();
    }
    layout()->activate();
    return minimumSizeHint().width();
  };
  const Box screen = onScreen(*this);
  const int frame = frameGeometry().width() - width();
  int wanted = windowWidthWith(columns);
  if (const int over = wanted + frame - screen.width; over > 0) wanted = windowWidthWith(std::max(columns - over, 0));
  const int line = fontMetrics().height();
  if (!isVisible()) resize(wanted, std::min(line * 36, screen.height - (frameGeometry().height() - height())));
  else if (exactly || width() < wanted) resize(wanted, height());
  // Grown, it stays inside the screen.
  if (placed_) {
    const QRect outer = frameGeometry();
    const Box inside = insideScreen(boxOf(outer), screen);
    if (inside.x != outer.x() || inside.y != outer.y()) move(inside.x, inside.y);
  }
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
  chart_->showDay();
}

void AlmanacWindow::showBeside(const QWidget& mainWindow) {
  if (!placed_) {
    placed_ = true;
    // Its frame as thick as the main window's, which is already shown.
    const QSize frame = mainWindow.frameGeometry().size() - mainWindow.size();
    const QSize outer = size() + frame;
    const Box place = besideMainWindow(boxOf(mainWindow.frameGeometry()), outer.width(), outer.height(),
                                       onScreen(mainWindow));
    move(place.x, place.y);
  }
  show();
  raise();
  activateWindow();
}

void AlmanacWindow::closeEvent(QCloseEvent* event) {
  almanac_.closed();
  event->accept();
}

}  // namespace tessaly::qtview
