#pragma once
// The Moon as it is lit at the moment the main window shows: the lit part
// of the disk on its side, seen from the observer's hemisphere.
#include <QWidget>

#include "window/MoonLook.h"

namespace tessaly::qtview {

class MoonPicture : public QWidget {
  Q_OBJECT

 public:
  explicit MoonPicture(QWidget* parent);

  void setLook(const MoonLook& look, Language language);
  const MoonLook& look() const { return look_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  MoonLook look_;
};

}  // namespace tessaly::qtview
