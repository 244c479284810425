#include "QtMessageSink.h"

#include <QMessageBox>

#include "QtText.h"
#include "WindowFields.h"

namespace tessaly::qtview {

void QtMessageSink::showMessage(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, toQString(kWindowCaption), toQString(text), QMessageBox::Ok, window_);
  box.exec();
}

}  // namespace tessaly::qtview
