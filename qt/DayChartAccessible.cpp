#include "qt/DayChartAccessible.h"

#include "qt/DayChart.h"

namespace tessaly::qtview {
namespace {

// The point of the curve the arrow keys have reached.
class ChartCursor : public QAccessibleInterface {
 public:
  explicit ChartCursor(DayChart* chart) : chart_(chart) {}

  bool isValid() const override { return !chart_.isNull(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(chart_.data()); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name && isValid() ? chart_->cursorText() : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QPoint at = chart_->mapToGlobal(chart_->cursorPoint().toPoint());
    const int radius = chart_->fontMetrics().height() / 2;
    return {at.x() - radius, at.y() - radius, radius * 2, radius * 2};
  }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.focused = isValid() && chart_->hasFocus();
    state.invisible = !isValid() || !chart_->isVisible();
    return state;
  }

 private:
  QPointer<DayChart> chart_;
};

}  // namespace

AccessibleDayChart::AccessibleDayChart(DayChart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {
  cursor_ = QAccessible::registerAccessibleInterface(new ChartCursor(chart));
}

AccessibleDayChart::~AccessibleDayChart() { QAccessible::deleteAccessibleInterface(cursor_); }

DayChart* AccessibleDayChart::chart() const { return static_cast<DayChart*>(widget()); }

QString AccessibleDayChart::text(QAccessible::Text kind) const {
  return kind == QAccessible::Value ? chart()->cursorText() : QAccessibleWidget::text(kind);
}

QAccessibleInterface* AccessibleDayChart::child(int index) const {
  return index == 0 ? QAccessible::accessibleInterface(cursor_) : nullptr;
}

int AccessibleDayChart::indexOfChild(const QAccessibleInterface* child) const {
  return child == QAccessible::accessibleInterface(cursor_) ? 0 : -1;
}

QAccessibleInterface* AccessibleDayChart::focusChild() const {
  return chart()->hasFocus() ? child(0) : nullptr;
}

}  // namespace tessaly::qtview
