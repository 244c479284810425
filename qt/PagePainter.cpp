#include "qt/PagePainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "qt/QtText.h"

namespace tessaly::qtview {
namespace {

// Draws a line of text with its top at y; returns the y below it.
double line(QPainter& painter, const QFont& font, double y, const QString& text) {
  painter.setFont(font);
  const QFontMetricsF metrics(font, painter.device());
  painter.drawText(QPointF(0, y + metrics.ascent()), text);
  return y + metrics.height();
}

void table(QPainter& painter, const QRectF& room, const std::vector<std::string>& lines) {
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(almanac::kLargestTablePoints);
  const QFontMetricsF metrics(fixed, painter.device());
  double widest = 1;
  for (const std::string& text : lines) widest = std::max(widest, metrics.horizontalAdvance(toQString(text)));
  const double height = metrics.height() * almanac::kTableLineSpacing * (static_cast<double>(lines.size()) + 0.5);
  const double scale = std::min({1.0, room.width() / widest, room.height() / height});
  fixed.setPointSizeF(almanac::kLargestTablePoints * scale);
  painter.setFont(fixed);
  const QFontMetricsF scaled(fixed, painter.device());
  const double step = scaled.height() * almanac::kTableLineSpacing;
  double y = room.top();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    painter.drawText(QPointF(room.left(), y + scaled.ascent()), toQString(lines[i]));
    y += step;
    if (i == 0) {
      painter.drawLine(QPointF(room.left(), y - step * 0.2), QPointF(room.left() + widest * scale, y - step * 0.2));
      y += step * 0.3;
    }
  }
}

void picture(QPainter& painter, const QRectF& room, QWidget& widget) {
  const double scale = std::min(room.width() / widget.width(), room.height() / widget.height());
  painter.save();
  painter.translate(room.topLeft());
  painter.scale(scale, scale);
  widget.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  painter.restore();
}

}  // namespace

bool paintPage(QPagedPaintDevice& device, const almanac::PrintPage& page, QWidget* widget) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  QFont title = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  QFont place = title;
  title.setPointSizeF(almanac::kTitlePoints);
  title.setBold(true);
  place.setPointSizeF(almanac::kPlacePoints);
  double y = line(painter, title, 0, toQString(page.title));
  y = line(painter, place, y, toQString(page.place));
  const QRectF room(0, y + QFontMetricsF(place, &device).height(), device.width(), device.height() - y);
  if (!page.lines.empty()) table(painter, room, page.lines);
  else if (widget) picture(painter, room, *widget);
  return painter.end();
}

}  // namespace tessaly::qtview
