#pragma once
// The day chart as a screen reader meets it: a chart with its name, a
// description of the day and, as its one child, the keyboard's cursor on
// the curve, which speaks the time and altitude there.
#include <QAccessibleWidget>

namespace tessaly::qtview {

class DayChart;

class AccessibleDayChart : public QAccessibleWidget {
 public:
  explicit AccessibleDayChart(DayChart* chart);
  ~AccessibleDayChart() override;

  QString text(QAccessible::Text kind) const override;
  int childCount() const override { return 1; }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;

 private:
  DayChart* chart() const;
  QAccessible::Id cursor_;
};

}  // namespace tessaly::qtview
