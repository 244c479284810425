#include "qt/QtMessageSink.h"

#include <QMessageBox>

#include "qt/QtText.h"
#include "window/WindowFields.h"

namespace tessaly::qtview {

void QtMessageSink::showMessage(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, toQString(kWindowCaption), toQString(text), QMessageBox::Ok, window_);
  box.exec();
}

}  // namespace tessaly::qtview
