#pragma once
// The program's emblem: a picture of the Moon drawn from the SVG kept in the
// resources so that it stays sharp at any screen scale.
#include <QIcon>
#include <QWidget>

class QSvgRenderer;

namespace tessaly::qtview {

class MoonEmblem : public QWidget {
 public:
  explicit MoonEmblem(QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* renderer_;
};

// The window and desktop icon, rendered from the same picture.
QIcon moonIcon();

}  // namespace tessaly::qtview
