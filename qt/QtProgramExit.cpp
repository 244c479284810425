#include "qt/QtProgramExit.h"

#include <QApplication>

namespace tessaly::qtview {

void QtProgramExit::endProgram() {
  if (ending_) return;
  ending_ = true;
  QApplication::closeAllWindows();
  QApplication::exit(0);
}

}  // namespace tessaly::qtview
