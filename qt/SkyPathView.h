#pragma once
// Where to look, beside the day chart: the Moon's path across the sky of
// the local day on a disc of the sky, with the compass in the language in
// force, the hours, the rise and set and the moment shown; screen readers
// hear the path in words.
#include <QWidget>

#include "almanacwindow/AlmanacForm.h"

namespace tessaly::qtview {

class SkyPathView : public QWidget {
  Q_OBJECT

 public:
  SkyPathView(const AlmanacForm& almanac, QWidget* parent);
  QSize sizeHint() const override;
  // The names and the description in the language in force.
  void setCaptions();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const AlmanacForm& almanac_;
};

}  // namespace tessaly::qtview
