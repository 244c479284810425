#pragma once
// The window as the program builds it, with a clock and an end of the
// program that the test controls, and no settings file.
#include <QApplication>
#include <QtTest>

#include "qt/MainWindowView.h"
#include "qt/QtMessageSink.h"
#include "tests/support/TempConfigHome.h"
#include "window/Headless.h"

namespace tessaly::testing {

struct WindowSession {
  TempConfigHome config;
  FixedClock clock;
  qtview::QtMessageSink messages;
  NoExit exit;
  MainForm form{clock, messages, exit};
  qtview::MainWindowView view{form};

  // Starts at 6.12.2026 21:30 and shows the window; false when the window
  // system never makes it the active one.
  bool start() {
    clock.set(6, 12, 2026, 21, 30, 0);
    messages.setWindow(&view);
    form.Form_Load();
    view.show();
    QApplication::setActiveWindow(&view);
    return QTest::qWaitForWindowActive(&view);
  }
};

}  // namespace tessaly::testing
