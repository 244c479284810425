#pragma once
// The Moon's altitude across the local day, drawn with QPainter: the
// horizon, the day's rise, set and culminations with their times, and the
// moment the main window shows. Colours come from the palette, sizes from
// the font, so that it reads in a dark theme and at any scale.
#include <QWidget>

#include "almanacwindow/AlmanacForm.h"

namespace tessaly::qtview {

class DayChart : public QWidget {
  Q_OBJECT

 public:
  explicit DayChart(const AlmanacForm& almanac, QWidget* parent);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  // What hovering at a point shows: time and altitude of the nearest sample.
  QString tipAt(QPoint point) const;
  // Where the chart puts a local time and an altitude.
  QPointF place(double hours, double altitude) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QRectF plot() const;
  QString caption(std::string_view control) const;
  void drawAxes(QPainter& painter) const;
  void drawCurve(QPainter& painter) const;
  void drawMarks(QPainter& painter) const;
  void drawMoment(QPainter& painter) const;

  const AlmanacForm& almanac_;
};

}  // namespace tessaly::qtview
