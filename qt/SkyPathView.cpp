#include "qt/SkyPathView.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "almanacwindow/SkyPath.h"
#include "qt/QtText.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::qtview {
namespace {

// The compass letters at their azimuths.
struct CompassLetter {
  std::string_view caption;
  double azimuth;
};
constexpr CompassLetter kCompass[] = {{"SkyNorth", 0}, {"SkyEast", 90}, {"SkySouth", 180}, {"SkyWest", 270}};

}  // namespace

SkyPathView::SkyPathView(const AlmanacForm& almanac, QWidget* parent) : QWidget(parent), almanac_(almanac) {
  setObjectName("SkyPath");
  setMinimumSize(fontMetrics().height() * 12, fontMetrics().height() * 12);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

QSize SkyPathView::sizeHint() const {
  const int line = fontMetrics().height();
  return {line * 24, line * 24};
}

void SkyPathView::setCaptions() {
  setAccessibleName(toQString(additionCaption("SkyPath", almanac_.language())));
  setAccessibleDescription(toQString(skyPathSpoken(almanac_.day(), almanac_.language())));
}

void SkyPathView::paintEvent(QPaintEvent*) {
  setCaptions();  // the description follows the day shown
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetricsF metrics(font());
  const double line = metrics.height();
  const double radius = std::min(width(), height()) / 2.0 - line * 2.5;  // room for the labels outside
  if (radius <= 0) return;
  const QPointF centre(width() / 2.0, height() / 2.0);
  const auto at = [&](SkyPoint p) { return centre + QPointF(p.x * radius, p.y * radius); };
  const QColor text = palette().color(QPalette::Text);
  QColor faint = text;
  faint.setAlphaF(0.35f);

  painter.setPen(QPen(text, 1.5));
  painter.setBrush(palette().brush(QPalette::Base));
  painter.drawEllipse(centre, radius, radius);
  painter.setPen(QPen(faint, 1, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  for (double altitude : kSkyRings) {
    const double r = radius * (90 - altitude) / 90;
    painter.drawEllipse(centre, r, r);
  }
  const SkyPath path = skyPath(almanac_.day(), almanac_.moment());
  // Each ring's degrees where the path leaves room, on a patch of the disc's
  // ground that breaks the dashes; softer than the compass, as readable.
  QColor soft = text;
  soft.setAlphaF(0.75f);
  painter.setPen(soft);
  for (double altitude : kSkyRings) {
    const QString label = QString::number(altitude) + QChar(0x00B0);
    QRectF box(QPointF(), QSizeF(metrics.horizontalAdvance(label) + line / 3, line));
    box.moveCenter(at(skyPoint(altitude, path.ringLabelAzimuth)));
    painter.fillRect(box, palette().brush(QPalette::Base));
    painter.drawText(box, Qt::AlignCenter, label);
  }
  painter.setPen(text);
  for (const CompassLetter& letter : kCompass) {
    const QPointF p = at(skyPoint(0, letter.azimuth));
    const QPointF outward = (p - centre) / radius * line * 0.8;
    const QRectF box(p + outward - QPointF(line, line / 2), QSizeF(2 * line, line));
    painter.drawText(box, Qt::AlignCenter, toQString(additionCaption(letter.caption, almanac_.language())));
  }

  const QColor accent = palette().color(QPalette::Highlight);
  painter.setPen(QPen(accent, 2));
  for (const std::vector<SkyPoint>& run : path.runs) {
    QPainterPath curve;
    for (std::size_t i = 0; i < run.size(); ++i) i ? curve.lineTo(at(run[i])) : curve.moveTo(at(run[i]));
    painter.drawPath(curve);
  }
  painter.setBrush(accent);
  for (const SkyHour& hour : path.hours) {
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(at(hour.at), line / 8, line / 8);
    painter.setPen(text);
    painter.drawText(at(hour.at) + QPointF(line / 4, -line / 4), QString::number(hour.hour));
  }
  for (const SkyEnd& end : path.ends) {
    const QPointF p = at(end.at);
    painter.setPen(QPen(text, 1.5));
    painter.setBrush(palette().brush(QPalette::Base));
    painter.drawEllipse(p, line / 4, line / 4);
    // The time over the azimuth, narrow enough for the room beside the
    // disc: outward from the rim, clear of the path that climbs from it;
    // past the point above or below it where the side has no room.
    const QString label = toQString(end.timeText + "\n" + end.azimuthText + "°");
    const QRectF size = metrics.boundingRect(QRectF(0, 0, width(), height()), Qt::AlignCenter, label);
    const double outward = p.y() < centre.y() ? -1 : 1;
    QRectF box(0, 0, size.width(), size.height());
    const bool left = p.x() < centre.x();
    box.moveCenter(p + QPointF(0, outward * line / 2));
    box.moveLeft(left ? p.x() - box.width() - line / 2 : p.x() + line / 2);
    if (box.left() < 0 || box.right() > width()) {
      box.moveCenter(p + QPointF(0, outward * (box.height() / 2 + line / 2)));
      box.moveLeft(std::clamp(box.left(), 0.0, width() - box.width()));
    }
    painter.drawText(box, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, label);
  }
  if (path.moon) {
    painter.setPen(QPen(text, 1));
    painter.setBrush(palette().brush(QPalette::Link));
    painter.drawEllipse(at(*path.moon), line / 2.5, line / 2.5);
  }
}

}  // namespace tessaly::qtview
