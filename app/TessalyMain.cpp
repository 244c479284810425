// tessaly: the Moon calculator's window.
#include <QApplication>
#include <QEvent>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "app/DisplayCheck.h"
#include "app/ExitStatus.h"
#include "app/WindowCommandLine.h"
#include "qt/MainWindowView.h"
#include "qt/MoonEmblem.h"
#include "qt/QtMessageSink.h"
#include "qt/QtProgramExit.h"
#include "window/MainForm.h"

namespace {

// With TESSALY_REPORT_FIRST_PAINT set, the wall-clock time of the window's
// first paint goes to standard error, to measure how fast the program starts.
class FirstPaintReport : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      std::fprintf(stderr, "tessaly: first paint at %.3f s\n", std::chrono::duration<double>(now).count());
      watched->removeEventFilter(this);
    }
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (const auto status = tessaly::answerWithoutWindow(argc, argv, std::cerr)) return *status;
  if (const auto complaint = tessaly::missingDisplay()) {
    std::fprintf(stderr, "%s\n", complaint->c_str());
    return tessaly::kExitNoDisplay;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tessaly");
  QApplication::setDesktopFileName("tessaly");
  QApplication::setWindowIcon(tessaly::qtview::moonIcon());

  tessaly::SystemClock clock;
  tessaly::qtview::QtMessageSink messages;
  tessaly::qtview::QtProgramExit programExit;
  tessaly::MainForm form(clock, messages, programExit);
  tessaly::qtview::MainWindowView view(form);
  messages.setWindow(&view);

  FirstPaintReport firstPaint;
  if (std::getenv("TESSALY_REPORT_FIRST_PAINT")) view.installEventFilter(&firstPaint);

  form.Form_Load();
  view.show();
  return QApplication::exec();
}
