// The Qt window over the form: what the user does with the widgets reaches
// the form, and what the form does shows in the widgets at once. The
// behaviour itself is tested on the model; these sessions test the wiring.
#include <QAbstractItemView>
#include <QAccessible>
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
#include <cmath>
#include <map>
#include <tuple>
#include <memory>
#include <set>

#include "qt/MainWindowView.h"
#include "qt/QtText.h"
#include "tests/support/WindowSession.h"
#include "window/WindowFields.h"

namespace {

using namespace tessaly;
using tessaly::qtview::toQString;

using Session = testing::WindowSession;

}  // namespace

class MainWindowViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    session_ = std::make_unique<Session>();
    QVERIFY(session_->start());
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

  void textSetByAnAssistiveToolIsCalculated() {
    chooseManual();
    for (auto [field, text] : {std::pair{"TimeHour", "20"}, {"TimeMin", "30"}, {"TimeSec", "0"},
                               {"LongGrad", "30"}, {"LongMin", "15"}, {"LatGrad", "45"}, {"LatMin", "00"},
                               {"Timezon", "5"}, {"DateDay", "6"}, {"DateMonth", "12"}, {"DateYear", "2026"}})
      type(field, text);
    // The first golden case once the tool has put 21 and 2 in.
    for (auto [field, text] : {std::pair{"TimeHour", "21"}, {"Timezon", "2"}}) {
      QAccessibleInterface* box = QAccessible::queryAccessibleInterface(edit(field));
      box->editableTextInterface()->replaceText(0, box->textInterface()->characterCount(), text);
      QCOMPARE(edit(field)->text(), QString(text));
    }
    QTest::mouseClick(find<QPushButton>("Command2"), Qt::LeftButton);
    QCOMPARE(label("JulianDate"), QString("2461381.3125"));
  }

  void everyFieldHasADistinctAccessibleNameInEitherLanguage() {
    std::map<std::string, QString> english;
    for (const char* language : {"me1_9", "me1_10", "me1_9"}) {
      find<QAction>(language)->trigger();
      std::map<std::string, QString> names;
      std::map<QString, std::set<QString>> groups;
      walk(QAccessible::queryAccessibleInterface(&session_->view), [&](QAccessibleInterface* node) {
        const QString name = node->text(QAccessible::Name);
        if (node->role() == QAccessible::EditableText) QVERIFY2(!name.isEmpty(), "a text box without a name");
        if (!node->object()) return;  // a menu bar's or list's entry
        const std::string element = node->object()->objectName().toStdString();
        const QString group = inputOrValue(element);
        if (group.isEmpty()) return;
        QVERIFY2(!name.isEmpty(), element.c_str());
        QVERIFY2(groups[group].insert(name).second, qPrintable(name + " twice"));
        names[element] = name;
      });
      QCOMPARE(names.size(), std::size_t{16 + 39});
      if (english.empty()) english = names;
      // After Russian every name is another; after English again, the same.
      const bool russian = language == std::string_view("me1_10");
      for (const auto& [element, name] : names) QVERIFY2((name != english[element]) == russian, element.c_str());
    }
    QCOMPARE(english["TimeHour"], QString("Local Time, hours"));
    QCOMPARE(english["List1"], QString("Longitude, East or West"));
    QCOMPARE(english["RAzim"], QString("Moon Rise, azimuth"));
    // What a list or a value shows is its value.
    QCOMPARE(QAccessible::queryAccessibleInterface(find<QComboBox>("List1"))->text(QAccessible::Value),
             QString("East"));
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
      for (const ElementCaption& row : rows)
        for (Language language : {Language::English, Language::Russian}) {
          const bool russian = language == Language::Russian;
          const QString control = toQString(row.control.text());
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
    QVERIFY(!session_->form.model().aboutShown(Language::English));

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
    QVERIFY(!session_->form.model().aboutShown(Language::Russian));
    QCOMPARE(session_->exit.ended, 0);
  }

  void realTimeTickFillsDateAndTime() {
    session_->clock.set(7, 12, 2026, 9, 5, 3);
    QTRY_COMPARE_WITH_TIMEOUT(edit("TimeSec")->text(), QString("3"), 5000);
    QCOMPARE(edit("DateDay")->text(), QString("7"));
    QCOMPARE(edit("TimeMin")->text(), QString("5"));
    QVERIFY(label("JulianDate") != QString("2455325.25874"));
  }

  // As the eye reads: the time row, the place row, the modes, the buttons,
  // and round again.
  // The order the window has always had; the checked mode button stands
  // for the two.
  void tabFollowsTheWindowsOwnOrder() {
    chooseManual();
    const char* order[] = {"DateDay", "DateMonth", "DateYear", "TimeHour", "TimeMin", "TimeSec",
                           "LongGrad", "LongMin",  "LatGrad",  "LatMin",   "Command1", "Command2",
                           "Timezon",  "Town",     "Option2",  "List1",    "List2",    "DateDay"};
    find<QWidget>("DateDay")->setFocus();
    for (const char* name : order) {
      QWidget* focused = QApplication::focusWidget();
      while (focused && focused->objectName().isEmpty()) focused = focused->parentWidget();
      QVERIFY(focused);
      QCOMPARE(focused->objectName(), QString(name));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
  }

  // A screen reader hears each box and list by its own name, with the
  // text in the box or the entry in view as its value, and finds the
  // list it opens.
  void dateBoxesAndListsSpeakNameAndValue() {
    session_->clock.set(7, 12, 2026, 9, 5, 3);
    QTRY_COMPARE_WITH_TIMEOUT(edit("DateDay")->text(), QString("7"), 5000);
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
    find<QAction>("me1_10")->trigger();
    QAccessibleInterface* eastWest = QAccessible::queryAccessibleInterface(find<QComboBox>("List1"));
    QCOMPARE(eastWest->text(QAccessible::Name), QString("Долгота, восток или запад"));
    QCOMPARE(eastWest->text(QAccessible::Value), QString("Зап."));
  }

  // Under a dark desktop theme the window keeps its grey ground and takes
  // dark text to go with it.
  void darkThemeLeavesTheWindowReadable() {
    session_.reset();
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(0x31, 0x36, 0x3B), QColor(0x2A, 0x2E, 0x32));
    dark.setColor(QPalette::WindowText, QColor(0xFC, 0xFC, 0xFC));
    dark.setColor(QPalette::Text, QColor(0xFC, 0xFC, 0xFC));
    dark.setColor(QPalette::ButtonText, QColor(0xFC, 0xFC, 0xFC));
    dark.setColor(QPalette::Base, QColor(0x1B, 0x1E, 0x20));
    QApplication::setPalette(dark);
    session_ = std::make_unique<Session>();
    QVERIFY(session_->start());
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
  template <typename Visit>
  static void walk(QAccessibleInterface* node, const Visit& visit) {
    visit(node);
    for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), visit);
  }
  // The group within which a field's name must be its own, or none.
  static QString inputOrValue(const std::string& element) {
    using K = ElementKind;
    for (const ElementSpec& known : windowElements()) {
      if (known.name != element) continue;
      if (known.kind == K::Value) return "value";
      const bool input = known.kind == K::Combo || known.kind == K::Text || known.kind == K::OneRowList ||
                         known.kind == K::OptionButton;
      return input ? "input" : QString();
    }
    return {};
  }
  void chooseManual() const { QTest::mouseClick(find<QRadioButton>("Option2"), Qt::LeftButton); }
  // The contrast of the darkest or lightest ink against the most common
  // colour, the ground, by the relative luminance of the web's guidelines.
  static double inkContrast(const QImage& image) {
    const auto luminance = [](QRgb rgb) {
      const auto channel = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
      };
      return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
    };
    std::map<QRgb, int> count;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) ++count[image.pixel(x, y)];
    const QRgb ground = std::max_element(count.begin(), count.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                        })->first;
    double best = 1;
    for (const auto& [rgb, n] : count) {
      const double a = luminance(rgb) + 0.05, b = luminance(ground) + 0.05;
      best = std::max(best, std::max(a, b) / std::min(a, b));
    }
    return best;
  }

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
