#pragma once
// The Moon's altitude across the local day, drawn with QPainter: the
// horizon, the day's rise, set and culminations with their times, and the
// moment the main window shows. Colours come from the palette, sizes from
// the font, so that it reads in a dark theme and at any scale. With focus,
// the arrow keys move a cursor along the curve.
#include <QWidget>

#include "almanacwindow/AlmanacForm.h"

namespace tessaly::qtview {

class DayChart : public QWidget {
  Q_OBJECT

 public:
  explicit DayChart(AlmanacForm& almanac, QWidget* parent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // After the form changed: the picture and what a screen reader hears.
  void showDay();

  // What hovering at a point shows: time and altitude of the nearest sample.
  QString tipAt(QPoint point) const;
  // The same for the keyboard's cursor, and where the cursor stands.
  QString cursorText() const;
  QPointF cursorPoint() const;
  // Where the chart puts a local time and an altitude.
  QPointF place(double hours, double altitude) const;
  // Where the label of a mark stands: beside its mark, clear of the
  // marker line.
  QRectF labelRect(const DayMark& mark) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QRectF plot() const;
  QString caption(std::string_view control) const;
  void drawAxes(QPainter& painter) const;
  void drawCurve(QPainter& painter) const;
  void drawMarks(QPainter& painter) const;
  void drawMoment(QPainter& painter) const;
  void drawCursor(QPainter& painter) const;
  QString markLabel(const DayMark& mark) const;
  double markAltitude(const DayMark& mark) const;
  void cursorMoved();

  AlmanacForm& almanac_;
};

}  // namespace tessaly::qtview
