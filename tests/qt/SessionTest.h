#pragma once
// A fresh window session for each test function, and the ways a test reaches
// the widgets of the main window and of the almanac window.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "tests/support/WindowSession.h"

namespace tessaly::testing {

class SessionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(restart()); }
  void cleanup() { session_.reset(); }

 protected:
  // The settings line, when given, is written before the window starts.
  bool restart(const char* settings = nullptr) {
    session_.reset();
    session_ = std::make_unique<WindowSession>();
    if (settings) session_->config.writeSettings(settings);
    return session_->start();
  }

  static QWidget* almanacWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == "AlmanacWindow") return window;
    return nullptr;
  }
  // In the main window, or in the almanac window, which is a window of its own.
  template <typename T>
  T* find(const char* name = nullptr) const {
    const QString wanted = name ? QString(name) : QString();
    if (T* found = session_->view.findChild<T*>(wanted)) return found;
    if (QWidget* almanac = almanacWindow()) {
      if (auto* itself = dynamic_cast<T*>(almanac); itself && (!name || almanac->objectName() == wanted)) return itself;
      if (T* found = almanac->findChild<T*>(wanted)) return found;
    }
    qFatal("no %s in the windows", name ? name : "such child");
  }
  QString label(const char* name) const { return find<QLabel>(name)->text(); }
  QLineEdit* edit(const char* name) const {
    if (auto* combo = session_->view.findChild<QComboBox*>(name)) return combo->lineEdit();
    return find<QLineEdit>(name);
  }
  void type(const char* field, const QString& text) const {
    edit(field)->selectAll();
    QTest::keyClicks(edit(field), text);
  }
  void chooseManual() const { QTest::mouseClick(find<QRadioButton>("Option2"), Qt::LeftButton); }

  static bool activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
  }
  // The named widget that has the focus, or holds the one that has it.
  static QString focusedName() {
    QWidget* focused = QApplication::focusWidget();
    while (focused && focused->objectName().isEmpty()) focused = focused->parentWidget();
    return focused ? focused->objectName() : QString();
  }
  // Title, text and number of buttons of the modal message that `act`
  // brings up; the message is answered with OK.
  template <typename Act>
  static QString modalMessageOf(Act act) {
    QString seen;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen = box->windowTitle() + " | " + box->text() + " | " + QString::number(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
        closer.stop();
      }
    });
    closer.start(10);
    act();
    return seen;
  }

  std::unique_ptr<WindowSession> session_;
};

// Runs without a screen when started by hand, as under ctest.
template <typename Test>
int runSessionTest(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  Test test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace tessaly::testing
