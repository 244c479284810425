// The Qt window over the form: what the user does with the widgets reaches
// the form, and what the form does shows in the widgets at once. The
// behaviour itself is tested on the model; these sessions test the wiring.
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QMenu>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "tests/qt/SessionTest.h"
#include "window/WindowFields.h"

using namespace tessaly;

class MainWindowViewTest : public testing::SessionTest {
  Q_OBJECT

 private slots:
  // Typed key by key, some put in by an assistive tool: Enter in a date
  // box, which has a list of its own, or in a plain text box, which has a
  // validator, still means Calculate.
  void manualCalculationByKeyboardOrAssistiveToolShowsTheResults() {
    chooseManual();
    typeTheFirstGoldenCase();
    type("TimeHour", "20");
    type("Timezon", "5");
    for (auto [field, text] : {std::pair{"TimeHour", "21"}, {"Timezon", "2"}}) {
      QAccessibleInterface* box = QAccessible::queryAccessibleInterface(edit(field));
      box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(), text);
      QCOMPARE(edit(field)->text(), QString(text));
    }
    QTest::keyClick(edit("DateYear"), Qt::Key_Return);

    QCOMPARE(label("JulianDate"), QString("2461381.3125"));
    // Calculate rewrites the location fields; the boxes show the new texts.
    QCOMPARE(edit("LatMin")->text(), QString("0"));
    type("TimeHour", "20");
    QTest::keyClick(edit("Town"), Qt::Key_Return);
    QVERIFY2(label("JulianDate").startsWith("2461381.2708"), qPrintable(label("JulianDate")));
  }

  // The names themselves, distinct in either language, are the model's;
  // here every widget carries its field's name, and every text box one.
  void everyFieldHasItsAccessibleNameInEitherLanguage() {
    for (const char* language : {"me1_10", "me1_9"}) {
      find<QAction>(language)->trigger();
      walk(QAccessible::queryAccessibleInterface(&session_->view), [](QAccessibleInterface* node) {
        if (node->role() == QAccessible::EditableText)
          QVERIFY2(!node->text(QAccessible::Name).isEmpty(), "a text box without a name");
      });
      for (std::size_t i = 0; i < ElementName::kCount; ++i) {
        const ElementName element = ElementName::at(i);
        const QString name = QString::fromStdString(session_->form.model().accessibleName(element));
        if (name.isEmpty()) continue;
        const std::string_view field = element.text();
        auto* widget = session_->view.findChild<QWidget*>(QString::fromUtf8(field.data(), field.size()));
        QVERIFY2(widget, field.data());
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
      }
    }
    // What a value shows is its value.
    QAccessibleInterface* julianDate = QAccessible::queryAccessibleInterface(find<QLabel>("JulianDate"));
    QCOMPARE(julianDate->text(QAccessible::Value), label("JulianDate"));
    QCOMPARE(julianDate->textInterface()->text(0, 7), label("JulianDate").left(7));
  }

  void textBoxesShowTheirLongestTextWhole() {
    chooseManual();
    for (auto [field, text] : {std::pair{"TimeHour", "23.5"}, {"TimeMin", "59.5"}, {"LongMin", "59.99"},
                               {"LatMin", "59.99"}, {"Timezon", "-12.75"}}) {
      QLineEdit* box = edit(field);
      box->setText(text);
      const auto cursorAt = [box](bool end) {
        end ? box->end(false) : box->home(false);
        box->grab();  // painting scrolls the text to the cursor
        return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
      };
      const int start = cursorAt(false);
      // Scrolled text would bring its end nearer to its start.
      QVERIFY2(cursorAt(true) - start >= box->fontMetrics().horizontalAdvance(text) - 1, field);
    }
  }

  void dateListOpensAtTheValueInTheBox() {
    auto* day = find<QComboBox>("DateDay");
    day->setCurrentIndex(4);
    for (auto [text, row] : {std::pair{"17", 16}, {"07", 6}, {"abc", -1}}) {
      type("DateDay", text);
      day->showPopup();
      QCOMPARE(day->view()->currentIndex().row(), row);
      day->hidePopup();
    }
  }

  void englishAfterRussianTakesTheEnglishSizeAgain() {
    const QSize english = session_->view.size();
    find<QAction>("me1_10")->trigger();
    QTRY_VERIFY(session_->view.width() > english.width());
    find<QAction>("me1_9")->trigger();
    QTRY_COMPARE(session_->view.size(), english);
  }

  // The settings line cannot hold a comma or a line break in the town.
  void townBoxTakesNoCommaOrLineBreak() {
    type("Town", "Paris, France");
    QApplication::clipboard()->setText(",\r\nSud");
    edit("Town")->paste();
    QCOMPARE(edit("Town")->text(), QString("Paris FranceSud"));
    QCOMPARE(session_->form.model().text("Town"), std::string("Paris FranceSud"));
  }

  void failedCheckShowsModalMessage() {
    chooseManual();
    type("Timezon", "13");
    QCOMPARE(modalMessageOf([this] { QTest::mouseClick(find<QPushButton>("Command2"), Qt::LeftButton); }),
             QString("Tessaly | Uncorrect input Timezone! | 1"));
  }

  void escapeAndClosingEndTheProgram() {
    chooseManual();
    // With a list open, the first Esc closes the list only.
    for (const char* name : {"DateDay", "List1"}) {
      find<QComboBox>(name)->showPopup();
      QTRY_VERIFY(QApplication::activePopupWidget());
      // Through the window system, as a real key press comes.
      QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_Escape);
      QTRY_VERIFY(!QApplication::activePopupWidget());
      QCOMPARE(session_->exit.ended, 0);
    }
    // The next Esc ends the program, even in a date box, which has a
    // drop-down list of its own.
    QApplication::setActiveWindow(&session_->view);
    find<QComboBox>("DateDay")->setFocus();
    QTest::keyClick(session_->view.windowHandle(), Qt::Key_Escape);
    QCOMPARE(session_->exit.ended, 1);
    session_->view.close();
    QCOMPARE(session_->exit.ended, 2);
  }

  void menuCheckMarksAndModeFollowTheModel() {
    find<QAction>("me1_4")->trigger();
    QVERIFY(find<QAction>("me1_4")->isChecked());
    QVERIFY(!find<QAction>("me1_2")->isChecked());
    QCOMPARE(find<QTimer>("Timer1")->interval(), 5000);
    QVERIFY(find<QTimer>("Timer1")->isActive());

    // Manual chosen by the program unlocks the location and stops the timer.
    QVERIFY(!find<QLineEdit>("LongGrad")->isEnabled());
    session_->form.model().setSelected("Option2", true);
    QVERIFY(find<QLineEdit>("LongGrad")->isEnabled());
    QVERIFY(find<QRadioButton>("Option2")->isChecked());
    QVERIFY(!find<QTimer>("Timer1")->isActive());
  }

  void aboutShowsTheDialogOfTheLanguageAndOkHidesIt() {
    find<QAction>("me2_1")->trigger();
    auto* english = find<QDialog>("frmAbout");
    QVERIFY(english->isVisible());
    QVERIFY(!english->isModal());
    QTest::mouseClick(english->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!english->isVisible());
    QVERIFY(!session_->form.model().aboutShown(Language::English));

    find<QAction>("me1_10")->trigger();
    find<QAction>("me2_1")->trigger();
    auto* russian = find<QDialog>("frmAbout_rus");
    QVERIFY(russian->isVisible());
    // Closing it any other way is the same as OK; Esc there does not end
    // the program.
    QVERIFY(activate(russian));
    QTest::keyClick(russian, Qt::Key_Escape);
    QVERIFY(!russian->isVisible());
    QVERIFY(!session_->form.model().aboutShown(Language::Russian));
    QCOMPARE(session_->exit.ended, 0);
  }

  // The order the window has always had; the checked mode button stands
  // for the two.
  void tabFollowsTheWindowsOwnOrder() {
    chooseManual();
    const char* order[] = {"DateDay", "DateMonth", "DateYear", "TimeHour", "TimeMin", "TimeSec",
                           "LongGrad", "LongMin",  "LatGrad",  "LatMin",   "Command1", "Command2",
                           "Timezon",  "Town",     "Option2",  "List1",    "List2",    "DateDay"};
    find<QWidget>("DateDay")->setFocus();
    for (const char* name : order) {
      QCOMPARE(focusedName(), QString(name));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
  }

  // A tick of real-time tracking fills the date and time. A screen reader
  // hears each box and list by its own name, with the text in the box or
  // the entry in view as its value, and finds the list it opens.
  void dateBoxesAndListsSpeakNameAndValue() {
    session_->clock.set(7, 12, 2026, 9, 5, 3);
    QTRY_COMPARE_WITH_TIMEOUT(edit("TimeSec")->text(), QString("3"), 5000);
    QCOMPARE(edit("TimeMin")->text(), QString("5"));
    QVERIFY(label("JulianDate") != QString("2455325.25874"));
    chooseManual();
    QTest::keyClick(find<QComboBox>("List1"), Qt::Key_Down);
    for (auto [box, name, value] : {std::tuple{"DateDay", "Date, day", "7"}, {"DateMonth", "Date, month", "12"},
                                    {"DateYear", "Date, year", "2026"}, {"List1", "Longitude, East or West", "West"},
                                    {"List2", "Latitude, North or South", "North"}}) {
      QAccessibleInterface* node = QAccessible::queryAccessibleInterface(find<QComboBox>(box));
      QCOMPARE(node->role(), QAccessible::ComboBox);
      QCOMPARE(node->text(QAccessible::Name), QString(name));
      QCOMPARE(node->text(QAccessible::Value), QString(value));
      QAccessibleInterface* list = node->child(0);
      QVERIFY(list);
      QCOMPARE(list->object(), find<QComboBox>(box)->view());
      QCOMPARE(node->indexOfChild(list), 0);
    }
    // Russian renames the captions and the lists' entries and keeps the choice.
    find<QAction>("me1_10")->trigger();
    QCOMPARE(label("Label25"), QString("Фазы Луны"));
    QCOMPARE(find<QMenu>("me1")->title(), QString("&Настройки"));
    QAccessibleInterface* eastWest = QAccessible::queryAccessibleInterface(find<QComboBox>("List1"));
    QCOMPARE(eastWest->text(QAccessible::Name), QString("Долгота, восток или запад"));
    QCOMPARE(eastWest->text(QAccessible::Value), QString("Зап."));
    QCOMPARE(session_->form.model().topEntry("List1"), 1);
  }

  // Under a dark desktop theme the window keeps its grey ground and takes
  // dark text to go with it.
  void darkThemeLeavesTheWindowReadable() {
    session_.reset();
    const QPalette before = QApplication::palette();
    const QColor light(0xFC, 0xFC, 0xFC);
    QPalette dark(QColor(0x31, 0x36, 0x3B), QColor(0x2A, 0x2E, 0x32));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) dark.setColor(role, light);
    dark.setColor(QPalette::Base, QColor(0x1B, 0x1E, 0x20));
    QApplication::setPalette(dark);
    QVERIFY(restart());
    QTRY_VERIFY_WITH_TIMEOUT(label("JulianDate") != QString("2455325.25874"), 5000);
    for (const ElementSpec& element : windowElements()) {
      if (element.kind != ElementKind::Value && element.kind != ElementKind::Caption && element.kind != ElementKind::Unit)
        continue;
      auto* shown = find<QLabel>(element.name.data());
      if (shown->text().trimmed().isEmpty()) continue;
      QVERIFY2(inkContrast(shown->grab().toImage()) >= 4.5, element.name.data());
    }
    // A locked box is greyed, still readable.
    QVERIFY(!find<QLineEdit>("LongGrad")->isEnabled());
    QVERIFY(inkContrast(find<QLineEdit>("LongGrad")->grab().toImage()) >= 4.5);
    // One mode button is checked, the other is not, and they look it.
    QVERIFY(find<QRadioButton>("Option1")->grab().toImage() != find<QRadioButton>("Option2")->grab().toImage());
    session_.reset();
    QApplication::setPalette(before);
  }

 private:
  void typeTheFirstGoldenCase() const {
    for (auto [field, text] : {std::pair{"TimeHour", "21"}, {"TimeMin", "30"}, {"TimeSec", "0"},
                               {"LongGrad", "30"}, {"LongMin", "15"}, {"LatGrad", "45"}, {"LatMin", "00"},
                               {"Timezon", "2"}, {"DateDay", "6"}, {"DateMonth", "12"}, {"DateYear", "2026"}})
      type(field, text);
  }
  template <typename Visit>
  static void walk(QAccessibleInterface* node, const Visit& visit) {
    visit(node);
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), visit);
  }
  // The contrast of the darkest or lightest ink against the most common
  // colour, the ground, by the relative luminance of the web's guidelines.
  static double inkContrast(const QImage& image) {
    std::map<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) ++count[image.pixel(x, y)];
    const auto luminance = [](QRgb rgb) {
      double sum = 0.05;
      for (auto [c, weight] : {std::pair{qRed(rgb), 0.2126}, {qGreen(rgb), 0.7152}, {qBlue(rgb), 0.0722}}) {
        const double v = c / 255.0;
        sum += weight * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
      }
      return sum;
    };
    const double ground = luminance(std::ranges::max_element(count, {}, [](auto& entry) { return entry.second; })->first);
    double best = 1;
    for (const auto& [rgb, n] : count) best = std::max({best, luminance(rgb) / ground, ground / luminance(rgb)});
    return best;
  }
};

int main(int argc, char** argv) { return testing::runSessionTest<MainWindowViewTest>(argc, argv); }

#include "MainWindowViewTest.moc"
#include "moc_SessionTest.cpp"
