// The Qt window over the form: what the user does with the widgets reaches
// the form, and what the form does shows in the widgets at once. The
// behaviour itself is tested on the model; these sessions test the wiring.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "Fakes.h"
#include "MainWindowView.h"
#include "QtMessageSink.h"
#include "TempConfigHome.h"

namespace {

using namespace tessaly;
using tessaly::qtview::MainWindowView;

// The window as the program builds it, with a clock and an end of the
// program that the test controls, and no settings file.
struct Session {
  testing::TempConfigHome config;
  testing::FakeClock clock;
  qtview::QtMessageSink messages;
  testing::RecordedExit exit;
  MainForm form{clock, messages, exit};
  MainWindowView view{form};
};

}  // namespace

class MainWindowViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void everyElementIsShownWithItsName();
  void manualCalculationByKeyboardShowsTheResults();
  void failedCheckShowsModalMessage();
  void escapeAndClosingEndTheProgram();
  void menuCheckMarksFollowTheModel();
  void russianChangesCaptionsAndKeepsTheListChoice();
  void aboutShowsTheDialogOfTheLanguageAndOkHidesIt();
  void realTimeTickFillsDateAndTime();
  void manualChosenByProgramUnlocksTheLocation();

 private:
  template <typename T>
  T* find(const char* name) const {
    T* found = session_->view.findChild<T*>(name);
    if (!found) qFatal("no %s in the window", name);
    return found;
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

  std::unique_ptr<Session> session_;
};

void MainWindowViewTest::init() {
  session_ = std::make_unique<Session>();
  session_->clock.set(6, 12, 2026, 21, 30, 0);
  session_->messages.setWindow(&session_->view);
  session_->form.Form_Load();
  session_->view.show();
  QApplication::setActiveWindow(&session_->view);
  QVERIFY(QTest::qWaitForWindowActive(&session_->view));
}

void MainWindowViewTest::cleanup() { session_.reset(); }

void MainWindowViewTest::everyElementIsShownWithItsName() {
  const WindowModel& model = session_->form.model();
  for (const ElementSpec& entry : windowElements()) {
    const char* name = entry.name.data();
    const QString text = QString::fromStdString(model.text(entry.name));
    switch (entry.kind) {
      case ElementKind::MenuItem:
        QCOMPARE(find<QAction>(name)->text(), text);
        break;
      case ElementKind::Value:
      case ElementKind::Caption:
      case ElementKind::Unit:
        QCOMPARE(label(name), text);
        break;
      case ElementKind::Text:
      case ElementKind::Combo:
        QCOMPARE(edit(name)->text(), text);
        break;
      default:
        QCOMPARE(find<QWidget>(name)->isEnabled(), model.enabled(entry.name));
    }
  }
  QCOMPARE(find<QComboBox>("List1")->currentText(), QString("East"));
  QCOMPARE(session_->view.windowTitle(), QString("Tessaly"));
}

void MainWindowViewTest::manualCalculationByKeyboardShowsTheResults() {
  chooseManual();
  QVERIFY(find<QLineEdit>("LongGrad")->isEnabled());
  type("TimeHour", "21");
  type("TimeMin", "30");
  type("TimeSec", "0");
  type("LongGrad", "30");
  type("LongMin", "15");
  type("LatGrad", "45");
  type("LatMin", "00");
  type("Timezon", "2");
  type("DateDay", "6");
  type("DateMonth", "12");
  type("DateYear", "2026");
  // Enter in a date box, which has a list of its own, still means Calculate.
  QTest::keyClick(edit("DateYear"), Qt::Key_Return);

  QCOMPARE(label("JulianDate"), QString("2461381.3125"));
  QCOMPARE(label("AzimTrue"), QString("341.6"));
  QCOMPARE(label("RiseHour"), QString("4"));
  QCOMPARE(label("RiseMin"), QString("55"));
  // Calculate rewrites the location fields; the boxes show the new texts.
  QCOMPARE(edit("LatMin")->text(), QString("0"));
}

void MainWindowViewTest::failedCheckShowsModalMessage() {
  chooseManual();
  type("Timezon", "13");
  QString title, text;
  int buttons = 0;
  QTimer closer;
  connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      title = box->windowTitle();
      text = box->text();
      buttons = static_cast<int>(box->buttons().size());
      box->button(QMessageBox::Ok)->click();
      closer.stop();
    }
  });
  closer.start(10);
  QTest::mouseClick(find<QPushButton>("Command2"), Qt::LeftButton);

  QCOMPARE(title, QString("Tessaly"));
  QCOMPARE(text, QString("Uncorrect input Timezone!"));
  QCOMPARE(buttons, 1);
}

void MainWindowViewTest::escapeAndClosingEndTheProgram() {
  // Esc counts even in a date box, which has a drop-down list of its own.
  find<QComboBox>("DateDay")->setFocus();
  QTest::keyClick(find<QComboBox>("DateDay"), Qt::Key_Escape);
  QCOMPARE(session_->exit.ended, 1);
  session_->view.close();
  QCOMPARE(session_->exit.ended, 2);
}

void MainWindowViewTest::menuCheckMarksFollowTheModel() {
  auto* north = find<QAction>("me1_12");
  auto* south = find<QAction>("me1_13");
  QVERIFY(north->isChecked());
  south->trigger();
  QVERIFY(south->isChecked());
  QVERIFY(!north->isChecked());
  // Choosing the item already checked leaves it checked.
  south->trigger();
  QVERIFY(south->isChecked());

  find<QAction>("me1_4")->trigger();
  QVERIFY(find<QAction>("me1_4")->isChecked());
  QVERIFY(!find<QAction>("me1_2")->isChecked());
  QCOMPARE(find<QTimer>("Timer1")->interval(), 5000);
  QVERIFY(find<QTimer>("Timer1")->isActive());
}

void MainWindowViewTest::russianChangesCaptionsAndKeepsTheListChoice() {
  chooseManual();
  auto* eastWest = find<QComboBox>("List1");
  eastWest->setFocus();
  QTest::keyClick(eastWest, Qt::Key_Down);
  QCOMPARE(session_->form.model().topEntry("List1"), 1);

  find<QAction>("me1_10")->trigger();
  QCOMPARE(label("Label25"), QString("Фазы Луны"));
  QCOMPARE(find<QPushButton>("Command1")->text(), QString("Конец"));
  QCOMPARE(find<QMenu>("me1")->title(), QString("&Настройки"));
  QCOMPARE(eastWest->currentText(), QString("Зап."));
  QCOMPARE(session_->form.model().topEntry("List1"), 1);
}

void MainWindowViewTest::aboutShowsTheDialogOfTheLanguageAndOkHidesIt() {
  find<QAction>("me2_1")->trigger();
  auto* english = find<QDialog>("frmAbout");
  QVERIFY(english->isVisible());
  QVERIFY(!english->isModal());
  QCOMPARE(english->windowTitle(), QString("About Tessaly"));
  QTest::mouseClick(english->findChild<QPushButton*>("Command1"), Qt::LeftButton);
  QVERIFY(!english->isVisible());
  QVERIFY(!session_->form.model().aboutShown("frmAbout"));

  find<QAction>("me1_10")->trigger();
  find<QAction>("me2_1")->trigger();
  auto* russian = find<QDialog>("frmAbout_rus");
  QVERIFY(russian->isVisible());
  QVERIFY(!english->isVisible());
  QCOMPARE(russian->windowTitle(), QString("О Tessaly"));
  // Closing it any other way is the same as OK; Esc there does not end
  // the program.
  QApplication::setActiveWindow(russian);
  QVERIFY(QTest::qWaitForWindowActive(russian));
  QTest::keyClick(russian, Qt::Key_Escape);
  QVERIFY(!russian->isVisible());
  QVERIFY(!session_->form.model().aboutShown("frmAbout_rus"));
  QCOMPARE(session_->exit.ended, 0);
}

void MainWindowViewTest::realTimeTickFillsDateAndTime() {
  session_->clock.set(7, 12, 2026, 9, 5, 3);
  QTRY_COMPARE_WITH_TIMEOUT(edit("TimeSec")->text(), QString("3"), 5000);
  QCOMPARE(edit("DateDay")->text(), QString("7"));
  QCOMPARE(edit("TimeHour")->text(), QString("9"));
  QCOMPARE(edit("TimeMin")->text(), QString("5"));
  QVERIFY(!label("JulianDate").isEmpty());
  QVERIFY(label("JulianDate") != QString("2455325.25874"));
}

void MainWindowViewTest::manualChosenByProgramUnlocksTheLocation() {
  QVERIFY(!find<QLineEdit>("LongGrad")->isEnabled());
  session_->form.model().setSelected("Option2", true);
  QVERIFY(find<QLineEdit>("LongGrad")->isEnabled());
  QVERIFY(find<QComboBox>("List2")->isEnabled());
  QVERIFY(find<QPushButton>("Command2")->isEnabled());
  QVERIFY(find<QRadioButton>("Option2")->isChecked());
  QVERIFY(!find<QRadioButton>("Option1")->isChecked());
  QVERIFY(!find<QTimer>("Timer1")->isActive());
}

int main(int argc, char** argv) {
  // Runs without a screen when started by hand, as under ctest.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  MainWindowViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MainWindowViewTest.moc"
