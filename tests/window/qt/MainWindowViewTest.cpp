// The Qt window over the form: what the user does with the widgets reaches
// the form, and what the form does shows in the widgets at once. The
// behaviour itself is tested on the model; these sessions test the wiring.
#include <QAction>
#include <QApplication>
#include <QClipboard>
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
#include "QtText.h"
#include "TempConfigHome.h"

namespace {

using namespace tessaly;
using tessaly::qtview::MainWindowView;
using tessaly::qtview::toQString;

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
  void init() {
    session_ = std::make_unique<Session>();
    session_->clock.set(6, 12, 2026, 21, 30, 0);
    session_->messages.setWindow(&session_->view);
    session_->form.Form_Load();
    session_->view.show();
    QApplication::setActiveWindow(&session_->view);
    QVERIFY(QTest::qWaitForWindowActive(&session_->view));
  }

  void cleanup() { session_.reset(); }

  void manualCalculationByKeyboardShowsTheResults() {
    chooseManual();
    // The first golden case, typed key by key.
    for (auto [field, text] : {std::pair{"TimeHour", "21"}, {"TimeMin", "30"}, {"TimeSec", "0"},
                               {"LongGrad", "30"}, {"LongMin", "15"}, {"LatGrad", "45"}, {"LatMin", "00"},
                               {"Timezon", "2"}, {"DateDay", "6"}, {"DateMonth", "12"}, {"DateYear", "2026"}})
      type(field, text);
    // Enter in a date box, which has a list of its own, still means Calculate.
    QTest::keyClick(edit("DateYear"), Qt::Key_Return);

    QCOMPARE(label("JulianDate"), QString("2461381.3125"));
    QCOMPARE(label("AzimTrue"), QString("341.6"));
    QCOMPARE(label("RiseMin"), QString("55"));
    // Calculate rewrites the location fields; the boxes show the new texts.
    QCOMPARE(edit("LatMin")->text(), QString("0"));
  }

  // Enter in a plain text box, which has a validator, still means Calculate.
  void enterFromAPlainTextBoxCalculates() {
    chooseManual();
    for (auto [field, text] : {std::pair{"TimeHour", "21"}, {"TimeMin", "30"}, {"DateDay", "6"},
                               {"DateMonth", "12"}, {"DateYear", "2026"}, {"Town", "Ost"}})
      type(field, text);
    QTest::keyClick(edit("Town"), Qt::Key_Return);
    QCOMPARE(label("JulianDate"), QString("2461381.3125"));
  }

  // The settings line cannot hold a comma or a line break in the town.
  void townBoxTakesNoCommaOrLineBreak() {
    type("Town", "Paris, France");
    QApplication::clipboard()->setText(",\r\nSud");
    edit("Town")->paste();
    QCOMPARE(edit("Town")->text(), QString("Paris FranceSud"));
    QCOMPARE(session_->form.model().text("Town"), std::string("Paris FranceSud"));
  }

  void everyCaptionInBothLanguages_data() {
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    for (auto rows : {headCaptions(), tailCaptions()})
      for (const CaptionRow& row : rows)
        for (Language language : {Language::English, Language::Russian}) {
          const bool russian = language == Language::Russian;
          const QString control = toQString(row.control);
          QTest::newRow(qPrintable(control + (russian ? " ru" : " en")))
              << russian << control << toQString(row.in(language));
        }
  }

  void everyCaptionInBothLanguages() {
    QFETCH(bool, russian);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    find<QAction>(russian ? "me1_10" : "me1_9")->trigger();
    if (auto* action = session_->view.findChild<QAction*>(control))
      QCOMPARE(action->text(), caption);
    else if (auto* button = session_->view.findChild<QPushButton*>(control))
      QCOMPARE(button->text(), caption);
    else
      QCOMPARE(label(qPrintable(control)), caption);
  }

  void failedCheckShowsModalMessage() {
    chooseManual();
    type("Timezon", "13");
    QString seen;  // title, text and the number of buttons
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen = box->windowTitle() + " | " + box->text() + " | " + QString::number(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
        closer.stop();
      }
    });
    closer.start(10);
    QTest::mouseClick(find<QPushButton>("Command2"), Qt::LeftButton);

    QCOMPARE(seen, QString("Tessaly | Uncorrect input Timezone! | 1"));
  }

  void escapeAndClosingEndTheProgram() {
    // Esc counts even in a date box, which has a drop-down list of its own.
    find<QComboBox>("DateDay")->setFocus();
    QTest::keyClick(find<QComboBox>("DateDay"), Qt::Key_Escape);
    QCOMPARE(session_->exit.ended, 1);
    session_->view.close();
    QCOMPARE(session_->exit.ended, 2);
  }

  void menuCheckMarksFollowTheModel() {
    auto* north = find<QAction>("me1_12");
    auto* south = find<QAction>("me1_13");
    QVERIFY(north->isChecked());
    south->trigger();
    QVERIFY(south->isChecked());
    QVERIFY(!north->isChecked());

    find<QAction>("me1_4")->trigger();
    QVERIFY(find<QAction>("me1_4")->isChecked());
    QVERIFY(!find<QAction>("me1_2")->isChecked());
    QCOMPARE(find<QTimer>("Timer1")->interval(), 5000);
    QVERIFY(find<QTimer>("Timer1")->isActive());
  }

  void russianChangesCaptionsAndKeepsTheListChoice() {
    chooseManual();
    auto* eastWest = find<QComboBox>("List1");
    eastWest->setFocus();
    QTest::keyClick(eastWest, Qt::Key_Down);
    find<QAction>("me1_10")->trigger();
    QCOMPARE(label("Label25"), QString("Фазы Луны"));
    QCOMPARE(find<QMenu>("me1")->title(), QString("&Настройки"));
    QCOMPARE(eastWest->currentText(), QString("Зап."));
    QCOMPARE(session_->form.model().topEntry("List1"), 1);
  }

  void aboutShowsTheDialogOfTheLanguageAndOkHidesIt() {
    find<QAction>("me2_1")->trigger();
    auto* english = find<QDialog>("frmAbout");
    QVERIFY(english->isVisible());
    QVERIFY(!english->isModal());
    QTest::mouseClick(english->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!english->isVisible());
    QVERIFY(!session_->form.model().aboutShown("frmAbout"));

    find<QAction>("me1_10")->trigger();
    find<QAction>("me2_1")->trigger();
    auto* russian = find<QDialog>("frmAbout_rus");
    QVERIFY(russian->isVisible());
    // Closing it any other way is the same as OK; Esc there does not end
    // the program.
    QApplication::setActiveWindow(russian);
    QVERIFY(QTest::qWaitForWindowActive(russian));
    QTest::keyClick(russian, Qt::Key_Escape);
    QVERIFY(!russian->isVisible());
    QVERIFY(!session_->form.model().aboutShown("frmAbout_rus"));
    QCOMPARE(session_->exit.ended, 0);
  }

  void realTimeTickFillsDateAndTime() {
    session_->clock.set(7, 12, 2026, 9, 5, 3);
    QTRY_COMPARE_WITH_TIMEOUT(edit("TimeSec")->text(), QString("3"), 5000);
    QCOMPARE(edit("DateDay")->text(), QString("7"));
    QCOMPARE(edit("TimeMin")->text(), QString("5"));
    QVERIFY(label("JulianDate") != QString("2455325.25874"));
  }

  void manualChosenByProgramUnlocksTheLocation() {
    QVERIFY(!find<QLineEdit>("LongGrad")->isEnabled());
    session_->form.model().setSelected("Option2", true);
    QVERIFY(find<QLineEdit>("LongGrad")->isEnabled());
    QVERIFY(find<QRadioButton>("Option2")->isChecked());
    QVERIFY(!find<QTimer>("Timer1")->isActive());
  }

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

int main(int argc, char** argv) {
  // Runs without a screen when started by hand, as under ctest.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  MainWindowViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MainWindowViewTest.moc"
