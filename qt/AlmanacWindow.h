#pragma once
// The almanac window: a month table and a day chart on two tabs, a window of
// its own beside the main window, without blocking it. It only shows; the
// almanac form decides what.
#include <QWidget>
#include <optional>

#include "almanacwindow/AlmanacForm.h"

class QDateEdit;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace tessaly::qtview {

class DayChart;
class YearGridView;
class SkyPathView;

class AlmanacWindow : public QWidget {
  Q_OBJECT

 public:
  explicit AlmanacWindow(AlmanacForm& almanac);
  ~AlmanacWindow() override;

  const AlmanacForm& almanac() const { return almanac_; }

  // Brings tab, month, table and chart in line with the form.
  void showForm();
  // Every caption in the language in force.
  void setCaptions();
  // Opens it beside the main window the first time, where it was later.
  void showBeside(const QWidget& mainWindow);

  // The two month buttons' work, the file already chosen.
  void exportTo(const QString& path);
  void exportCalendarTo(const QString& path);
  void copyTable() const;
  // The tab in view on paper: through the print dialog, or as a PDF.
  void printTab();
  void exportPdfTo(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* monthPage();
  void showMonth();
  void fillTable();
  void fitToTable(bool exactly);
  void chooseExportFile();
  void chooseCalendarFile();
  void choosePdfFile();
  QString caption(std::string_view control) const;

  AlmanacForm& almanac_;
  QTabWidget* tabs_ = nullptr;
  QDateEdit* picker_ = nullptr;
  QLabel* pickerLabel_ = nullptr;
  QTableWidget* table_ = nullptr;
  DayChart* chart_ = nullptr;
  YearGridView* year_ = nullptr;
  SkyPathView* sky_ = nullptr;
  bool showing_ = false;
  bool placed_ = false;
  // The revision of the month the table shows.
  std::optional<unsigned> tableRevision_;
  std::optional<Language> languageShown_;
};

}  // namespace tessaly::qtview
