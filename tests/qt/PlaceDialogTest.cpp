// Finding a place in the window on screen: the Place menu's shortcut, the
// dialog driven from the keyboard in both languages, the linked zone shown
// and unlinked by typing into the Timezone box, a saved zone that cannot be
// linked named once the window is up.
#include <QAction>
#include <QTreeWidget>

#include "qt/PlaceDialog.h"
#include "tests/qt/SessionTest.h"

using namespace tessaly;

class PlaceDialogTest : public testing::SessionTest {
  Q_OBJECT

 private slots:
  void shortcutTypingArrowsAndEnterChooseAPlaceAndEscapeLeavesTheDialogOnly() {
    QLineEdit* search = openDialog();
    QTest::keyClicks(search, "Paris");
    QTest::keyClick(search, Qt::Key_Escape);
    QVERIFY(!dialog()->isVisible());
    QCOMPARE(session_->exit.ended, 0);
    QCOMPARE(QString::fromStdString(session_->form.model().text("Town")), QString("Varnholm"));
    QVERIFY(!zoneName()->isVisible());

    search = openDialog();
    QTest::keyClicks(search, "Berl");
    QCOMPARE(list()->topLevelItemCount(), 4);
    QTest::keyClick(search, Qt::Key_Down);
    QCOMPARE(list()->currentItem()->text(0), QString("New Berlin"));
    QTest::keyClick(search, Qt::Key_Up);
    QTest::keyClick(search, Qt::Key_Return);
    QVERIFY(!dialog()->isVisible());
    const WindowModel& w = session_->form.model();
    QCOMPARE(QString::fromStdString(w.text("Town") + " " + w.text("LongGrad") + ":" + w.text("LongMin") + " " +
                                    w.text("LatGrad") + ":" + w.text("LatMin")),
             QString("Berlin 13:25 52:31"));
    QCOMPARE(find<QLineEdit>("Town")->text(), QString("Berlin"));
    QVERIFY(zoneName()->isVisible());
    QCOMPARE(zoneName()->text(), QString("Time zone: Europe/Berlin"));
  }

  void everyElementIsNamedInEitherLanguage() {
    for (bool russian : {false, true}) {
      if (russian) session_->form.me1_10_Click();
      QLineEdit* search = openDialog();
      search->insert(russian ? QString("Москва") : QString("Moscow"));  // as an input method enters it
      QCOMPARE(search->accessibleName(), russian ? QString("Искомый город") : QString("Town to find"));
      QVERIFY(!list()->accessibleName().isEmpty());
      QVERIFY(!find<QLabel>("PlaceStatus")->accessibleName().isEmpty());
      QCOMPARE(list()->topLevelItem(0)->text(0), russian ? QString("Москва") : QString("Moscow"));
      QTest::keyClick(search, Qt::Key_Escape);
    }
  }

  void typingAZoneUnlinksAndTheWindowsOwnRewritingDoesNot() {
    QTest::keyClicks(openDialog(), "Berlin");
    QTest::keyClick(find<QLineEdit>("PlaceSearch"), Qt::Key_Return);
    session_->form.Timer1_Timer();  // the date and time boxes filled, as by the first tick
    QTest::mouseClick(find<QRadioButton>("Option2"), Qt::LeftButton);
    QTest::keyClick(find<QLineEdit>("TimeHour"), Qt::Key_Return);  // Calculate
    QCOMPARE(QString::fromStdString(session_->form.linkedZone().name()), QString("Europe/Berlin"));
    QLineEdit* zone = find<QLineEdit>("Timezon");
    zone->selectAll();
    QTest::keyClicks(zone, "3");
    QCOMPARE(QString::fromStdString(session_->form.linkedZone().name()), QString());
    QVERIFY(!zoneName()->isVisible());
    QVERIFY(!find<QAction>("meUnlinkZone")->isEnabled());
  }

  // The window comes up and works while the message waits beside it.
  void aSavedZoneThatCannotBeLinkedIsNamedWithoutHoldingUpTheWindow() {
    QVERIFY(restart("Ost, 10  0  1  50  0  1  1  3000 Azimuth, 180 \r\nzone=Nowhere/Atlantis\r\n"));
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = session_->view.findChild<QMessageBox*>("ZoneNotRestored")) && box->isVisible());
    QVERIFY(box->text().startsWith("The saved time zone Nowhere/Atlantis could not be read"));
    QVERIFY(box->text().endsWith("keeps the saved offset 1."));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(find<QLineEdit>("Timezon")->text(), QString("1"));
    QVERIFY(!zoneName()->isVisible());
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(!session_->view.findChild<QMessageBox*>("ZoneNotRestored"));
  }

 private:
  qtview::PlaceDialog* dialog() const { return find<qtview::PlaceDialog>("PlaceDialog"); }
  QTreeWidget* list() const { return find<QTreeWidget>("PlaceList"); }
  QLabel* zoneName() const { return find<QLabel>("LinkedZone"); }
  QLineEdit* openDialog() const {
    QTest::keyClick(&session_->view, Qt::Key_F, Qt::ControlModifier);
    if (!dialog()->isVisible()) qFatal("Ctrl+F opened no dialog");
    QLineEdit* search = find<QLineEdit>("PlaceSearch");
    search->clear();
    return search;
  }
};

int main(int argc, char** argv) { return testing::runSessionTest<PlaceDialogTest>(argc, argv); }

#include "PlaceDialogTest.moc"
#include "moc_SessionTest.cpp"
