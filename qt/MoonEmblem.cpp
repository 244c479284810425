#include "qt/MoonEmblem.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>

// Resources of a static library are registered by name from outside any
// namespace; every user of the picture goes through here first.
static QString moonResource() {
  Q_INIT_RESOURCE(tessaly);
  return QStringLiteral(":/tessaly/moon.svg");
}

namespace tessaly::qtview {

MoonEmblem::MoonEmblem(QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(moonResource(), this)) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize MoonEmblem::sizeHint() const {
  // Follows the text size, so the picture keeps its proportion to the
  // captions on screens of any density.
  const int side = fontMetrics().height() * 5;
  return {side, side};
}

void MoonEmblem::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int side = std::min(width(), height());
  renderer_->render(&painter, QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side));
}

QIcon moonIcon() {
  QSvgRenderer renderer(moonResource());
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace tessaly::qtview
