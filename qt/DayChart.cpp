#include "qt/DayChart.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>

#include "engine/NumberReading.h"
#include "qt/QtText.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::qtview {
namespace {

constexpr double kTopAltitude = 90, kBottomAltitude = -90;
constexpr int kHourStep = 3, kAltitudeStep = 30;

constexpr std::pair<DayEvent, std::string_view> kMarkCaptions[] = {
    {DayEvent::Rise, "ChartRise"},
    {DayEvent::Set, "ChartSet"},
    {DayEvent::UpperCulmination, "ChartUpper"},
    {DayEvent::LowerCulmination, "ChartLower"},
};

std::string_view markCaption(DayEvent event) {
  for (const auto& [e, caption] : kMarkCaptions)
    if (e == event) return caption;
  return {};
}

// Within [low, high], or at low when the room is too small.
double within(double value, double low, double high) { return std::max(low, std::min(value, high)); }

constexpr std::pair<int, DayCursor::Step> kCursorKeys[] = {
    {Qt::Key_Left, DayCursor::Step::Back},         {Qt::Key_Right, DayCursor::Step::Forward},
    {Qt::Key_Down, DayCursor::Step::Back},         {Qt::Key_Up, DayCursor::Step::Forward},
    {Qt::Key_PageUp, DayCursor::Step::HourBack},   {Qt::Key_PageDown, DayCursor::Step::HourForward},
    {Qt::Key_Home, DayCursor::Step::First},        {Qt::Key_End, DayCursor::Step::Last},
};

}  // namespace

DayChart::DayChart(AlmanacForm& almanac, QWidget* parent) : QWidget(parent), almanac_(almanac) {
  setObjectName("DayChart");
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}

QSize DayChart::sizeHint() const {
  const int line = fontMetrics().height();
  return {line * 40, line * 24};
}

QSize DayChart::minimumSizeHint() const {
  const int line = fontMetrics().height();
  return {line * 24, line * 14};
}

QString DayChart::caption(std::string_view control) const {
  return toQString(additionCaption(control, almanac_.language()));
}

QRectF DayChart::plot() const {
  const QFontMetrics metrics = fontMetrics();
  const double line = metrics.height();
  const double left = metrics.horizontalAdvance(QStringLiteral("-90°")) + line * 2;
  return QRectF(QPointF(left, line * 2.5), QPointF(width() - line * 1.5, height() - line * 3));
}

QPointF DayChart::place(double hours, double altitude) const {
  const QRectF area = plot();
  return {area.left() + area.width() * hours / 24,
          area.top() + area.height() * (kTopAltitude - altitude) / (kTopAltitude - kBottomAltitude)};
}

void DayChart::drawAxes(QPainter& painter) const {
  const QRectF area = plot();
  const QFontMetrics metrics = fontMetrics();
  const QColor text = palette().color(QPalette::Text);
  QColor grid = text;
  grid.setAlphaF(0.2f);

  painter.setPen(text);
  QFont title = font();
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(QRectF(0, 0, width(), metrics.height() * 1.8), Qt::AlignCenter,
                   caption("ChartTitle").arg(toQString(almanac_.day().dateText)));
  painter.setFont(font());

  for (int hour = 0; hour <= 24; hour += kHourStep) {
    const QPointF at = place(hour, kBottomAltitude);
    painter.setPen(QPen(grid, 1));
    painter.drawLine(place(hour, kTopAltitude), at);
    painter.setPen(text);
    painter.drawText(QRectF(at.x() - 40, at.y() + 2, 80, metrics.height()), Qt::AlignHCenter | Qt::AlignTop,
                     QString::number(hour));
  }
  for (int altitude = static_cast<int>(kBottomAltitude); altitude <= kTopAltitude; altitude += kAltitudeStep) {
    const QPointF at = place(0, altitude);
    painter.setPen(QPen(grid, 1));
    painter.drawLine(at, place(24, altitude));
    painter.setPen(text);
    painter.drawText(QRectF(0, at.y() - metrics.height() / 2.0, at.x() - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1°").arg(altitude));
  }
  painter.drawText(QRectF(area.left(), height() - metrics.height() * 1.5, area.width(), metrics.height() * 1.5),
                   Qt::AlignCenter, caption("ChartTimeAxis"));
  painter.save();
  painter.translate(metrics.height() * 0.8, area.center().y());
  painter.rotate(-90);
  painter.drawText(QRectF(-area.height() / 2, -metrics.height(), area.height(), metrics.height() * 1.5),
                   Qt::AlignCenter, caption("ChartAltitudeAxis"));
  painter.restore();

  // The horizon, the line every event of the day is about.
  painter.setPen(QPen(text, 2));
  painter.drawLine(place(0, 0), place(24, 0));
}

void DayChart::drawCurve(QPainter& painter) const {
  const auto& samples = almanac_.day().samples;
  if (samples.empty()) return;
  QPainterPath curve;
  curve.moveTo(place(samples.front().hours, samples.front().altitude));
  for (const DaySample& s : samples) curve.lineTo(place(s.hours, s.altitude));
  // Above the horizon the Moon can be seen: that part is shaded.
  QPainterPath area = curve;
  area.lineTo(place(samples.back().hours, 0));
  area.lineTo(place(samples.front().hours, 0));
  area.closeSubpath();
  QPainterPath sky;
  sky.addRect(QRectF(place(0, kTopAltitude), place(24, 0)));
  QColor shade = palette().color(QPalette::Highlight);
  shade.setAlphaF(0.25f);
  painter.fillPath(area.intersected(sky), shade);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(curve);
}

double DayChart::markAltitude(const DayMark& mark) const {
  const bool culmination = mark.event == DayEvent::UpperCulmination || mark.event == DayEvent::LowerCulmination;
  return culmination ? numberOf(mark.valueText) : 0;
}

QString DayChart::markLabel(const DayMark& mark) const {
  return caption(markCaption(mark.event)) + QLatin1Char(' ') + toQString(clockText(mark.hourText, mark.minuteText));
}

QRectF DayChart::labelRect(const DayMark& mark) const {
  const QFontMetrics metrics = fontMetrics();
  const double radius = metrics.height() / 4.0;
  const double altitude = markAltitude(mark);
  const QPointF at = place(mark.hours, altitude);
  // Above a mark on or over the horizon, below one under it; a rise's to
  // its left and a set's to its right, where the curve is under the
  // horizon, a culmination's centred; moved aside where that would cross
  // the marker line or leave the plot.
  const double width = metrics.horizontalAdvance(markLabel(mark)) + 4;
  const double top = altitude >= 0 ? at.y() - radius - metrics.height() * 1.1 : at.y() + radius + 2;
  const QRectF area = plot();
  const double marker = place(almanac_.moment().hours, 0).x();
  const double gap = radius + 2;
  const auto inside = [&](double left) { return within(left, area.left(), area.right() - width); };
  const double side = mark.event == DayEvent::Rise ? -radius - width / 2 : mark.event == DayEvent::Set ? radius + width / 2 : 0;
  double left = inside(at.x() + side - width / 2);
  if (left - gap < marker && marker < left + width + gap) {
    const double before = inside(marker - gap - width), after = inside(marker + gap);
    const bool beforeClear = before + width + gap <= marker, afterClear = after - gap >= marker;
    const bool preferBefore = mark.event == DayEvent::Rise || (mark.event != DayEvent::Set && at.x() <= marker);
    left = (preferBefore && beforeClear) || !afterClear ? before : after;
  }
  return {left, top, width, static_cast<double>(metrics.height())};
}

void DayChart::drawMarks(QPainter& painter) const {
  const double radius = fontMetrics().height() / 4.0;
  const QColor text = palette().color(QPalette::Text);
  for (const DayMark& mark : almanac_.day().marks) {
    painter.setPen(QPen(text, 1.5));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawEllipse(place(mark.hours, markAltitude(mark)), radius, radius);
    painter.setPen(text);
    painter.drawText(labelRect(mark), Qt::AlignCenter, markLabel(mark));
  }
}

void DayChart::drawMoment(QPainter& painter) const {
  const DayMoment& now = almanac_.moment();
  const QColor accent = palette().color(QPalette::Link);
  painter.setPen(QPen(accent, 1.5, Qt::DashLine));
  painter.drawLine(place(now.hours, kTopAltitude), place(now.hours, kBottomAltitude));
  const double radius = fontMetrics().height() / 3.0;
  painter.setPen(QPen(accent, 2));
  painter.setBrush(accent);
  painter.drawEllipse(place(now.hours, now.altitude), radius, radius);
  // Its time at the top, on the side with more room.
  const QString time = toQString(now.timeText);
  const double width = fontMetrics().horizontalAdvance(time) + 6;
  const QPointF top = place(now.hours, kTopAltitude);
  const double left = now.hours < 12 ? top.x() + 3 : top.x() - 3 - width;
  painter.setPen(accent);
  painter.drawText(QRectF(left, top.y(), width, fontMetrics().height()), Qt::AlignCenter, time);
}

// The cursor shows only while the keys move it: a ring on the curve with
// its text beside it.
void DayChart::drawCursor(QPainter& painter) const {
  if (!hasFocus() || almanac_.day().samples.empty()) return;
  const QPointF at = cursorPoint();
  const QFontMetrics metrics = fontMetrics();
  const double radius = metrics.height() / 2.0;
  painter.setPen(QPen(palette().color(QPalette::Text), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(at, radius, radius);
  const QString text = cursorText();
  const double width = metrics.horizontalAdvance(text) + 8;
  const QRectF area = plot();
  const double left = within(at.x() + radius, area.left(), area.right() - width);
  const double top = within(at.y() + radius, area.top(), area.bottom() - metrics.height());
  const QRectF box(left, top, width, metrics.height());
  painter.fillRect(box, palette().color(QPalette::ToolTipBase));
  painter.setPen(palette().color(QPalette::ToolTipText));
  painter.drawText(box, Qt::AlignCenter, text);
}

void DayChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  drawAxes(painter);
  drawCurve(painter);
  drawMarks(painter);
  drawMoment(painter);
  drawCursor(painter);
}

void DayChart::showDay() {
  setAccessibleDescription(toQString(dayDescription(almanac_.day(), almanac_.moment(), almanac_.language())));
  update();
}

QString DayChart::tipAt(QPoint point) const {
  const DayCurve& day = almanac_.day();
  const QRectF area = plot();
  if (day.samples.empty() || !area.contains(point)) return {};
  const double hours = (point.x() - area.left()) / area.width() * 24;
  return toQString(sampleText(day.samples[nearestSample(day, hours)], almanac_.language()));
}

QString DayChart::cursorText() const {
  const DayCurve& day = almanac_.day();
  if (day.samples.empty()) return {};
  return toQString(sampleText(day.samples[almanac_.cursor().index()], almanac_.language()));
}

QPointF DayChart::cursorPoint() const {
  const DayCurve& day = almanac_.day();
  if (day.samples.empty()) return {};
  const DaySample& sample = day.samples[almanac_.cursor().index()];
  return place(sample.hours, sample.altitude);
}

void DayChart::keyPressEvent(QKeyEvent* event) {
  for (const auto& [key, step] : kCursorKeys)
    if (event->key() == key && !(event->modifiers() & ~Qt::KeypadModifier)) {
      almanac_.moveCursor(step);
      cursorMoved();
      return;
    }
  QWidget::keyPressEvent(event);
}

void DayChart::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  cursorMoved();
}

void DayChart::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

// The cursor is the chart's focused part: a screen reader speaks it.
void DayChart::cursorMoved() {
  update();
  if (!QAccessible::isActive()) return;
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(0);
  QAccessible::updateAccessibility(&focus);
  QAccessibleEvent name(this, QAccessible::NameChanged);
  name.setChild(0);
  QAccessible::updateAccessibility(&name);
}

void DayChart::mouseMoveEvent(QMouseEvent* event) {
  const QString tip = tipAt(event->position().toPoint());
  if (tip.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(event->globalPosition().toPoint(), tip, this);
}

}  // namespace tessaly::qtview
