#include "qt/DayChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

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

QString clockOf(double hours) {
  const int minutes = static_cast<int>(std::lround(hours * 60));
  return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

DayChart::DayChart(const AlmanacForm& almanac, QWidget* parent) : QWidget(parent), almanac_(almanac) {
  setObjectName("DayChart");
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

void DayChart::drawMarks(QPainter& painter) const {
  const QFontMetrics metrics = fontMetrics();
  const double radius = metrics.height() / 4.0;
  const QColor text = palette().color(QPalette::Text);
  for (const DayMark& mark : almanac_.day().marks) {
    const bool culmination = mark.event == DayEvent::UpperCulmination || mark.event == DayEvent::LowerCulmination;
    const double altitude = culmination ? numberOf(mark.valueText) : 0;
    const QPointF at = place(mark.hours, altitude);
    painter.setPen(QPen(text, 1.5));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawEllipse(at, radius, radius);
    const QString label = caption(markCaption(mark.event)) + QLatin1Char(' ') +
                          toQString(clockText(mark.hourText, mark.minuteText));
    // Labels stand on the side away from the curve's lower part and
    // inside the plot.
    const double width = metrics.horizontalAdvance(label) + 4;
    double left = std::clamp(at.x() - width / 2, plot().left(), plot().right() - width);
    const double top = altitude >= 0 ? at.y() - radius - metrics.height() * 1.1 : at.y() + radius + 2;
    painter.setPen(text);
    painter.drawText(QRectF(left, top, width, metrics.height()), Qt::AlignCenter, label);
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

void DayChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  drawAxes(painter);
  drawCurve(painter);
  drawMarks(painter);
  drawMoment(painter);
}

QString DayChart::tipAt(QPoint point) const {
  const auto& samples = almanac_.day().samples;
  const QRectF area = plot();
  if (samples.empty() || !area.contains(point)) return {};
  const double hours = (point.x() - area.left()) / area.width() * 24;
  const auto nearest = std::min_element(samples.begin(), samples.end(), [hours](const auto& a, const auto& b) {
    return std::abs(a.hours - hours) < std::abs(b.hours - hours);
  });
  return caption("ChartTip").arg(clockOf(nearest->hours), toQString(nearest->altitudeText));
}

void DayChart::mouseMoveEvent(QMouseEvent* event) {
  const QString tip = tipAt(event->position().toPoint());
  if (tip.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(event->globalPosition().toPoint(), tip, this);
}

}  // namespace tessaly::qtview
