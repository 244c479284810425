#pragma once
// The almanac window's Year tab: the year's grid of moonrise and moonset,
// cell for cell as the command line prints it, turned by year.
#include <QWidget>

#include "almanacwindow/AlmanacForm.h"

class QLabel;
class QSpinBox;
class QTableWidget;

namespace tessaly::qtview {

class YearGridView : public QWidget {
  Q_OBJECT

 public:
  YearGridView(AlmanacForm& almanac, QWidget* parent);

  // Brings year, title and cells in line with the form.
  void showYear();
  void setCaptions();

 private:
  QString caption(std::string_view control) const;

  AlmanacForm& almanac_;
  QSpinBox* picker_ = nullptr;
  QLabel* pickerLabel_ = nullptr;
  QLabel* title_ = nullptr;
  QTableWidget* table_ = nullptr;
  bool showing_ = false;
};

}  // namespace tessaly::qtview
