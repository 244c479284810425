#include "qt/MoonPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "qt/QtText.h"
#include "window/CaptionsAdditions.h"

namespace tessaly::qtview {
namespace {

// Fixed colours, not the palette's: the Moon looks the same in a dark theme.
const QColor kLit(0xF4, 0xEE, 0xD2);
const QColor kDark(0x3A, 0x3A, 0x46);
const QColor kRim(0x80, 0x80, 0x88);

// The lit part of a disk: a half-disk on the lit side, with the terminator
// an ellipse whose half-width runs from the radius (new, full) to 0
// (quarter); a crescent takes it away, a gibbous Moon adds it.
QPainterPath litPart(const QRectF& disk, const MoonLook& look) {
  QPainterPath half;
  half.moveTo(disk.center());
  half.arcTo(disk, look.litOnRight ? -90 : 90, 180);
  half.closeSubpath();
  const double halfWidth = disk.width() / 2 * std::abs(1 - 2 * look.litFraction);
  QPainterPath terminator;
  terminator.addEllipse(disk.center(), halfWidth, disk.height() / 2);
  return look.litFraction < 0.5 ? half.subtracted(terminator) : half.united(terminator);
}

}  // namespace

MoonPicture::MoonPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("MoonPicture");
  setFocusPolicy(Qt::NoFocus);
}

void MoonPicture::setLook(const MoonLook& look, Language language) {
  look_ = look;
  setAccessibleName(toQString(lookName(look, language)));
  setAccessibleDescription(toQString(lookDescription(look, language)));
  setToolTip(accessibleName());
  update();
}

void MoonPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double side = std::min(width(), height()) - 2.0;
  const QRectF disk((width() - side) / 2, (height() - side) / 2, side, side);
  painter.setPen(QPen(kRim, 1));
  painter.setBrush(kDark);
  painter.drawEllipse(disk);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kLit);
  painter.drawPath(litPart(disk, look_));
}

}  // namespace tessaly::qtview
