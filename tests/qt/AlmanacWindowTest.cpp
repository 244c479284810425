// The additions to the window on screen: the Almanac menu and window, the
// day chart and the picture of the lit Moon, wired to the form and to the
// command line's almanac.
#include <QAccessible>
#include <QAction>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDateEdit>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/Csv.h"
#include "almanacwindow/SkyPath.h"
#include "qt/AlmanacWindow.h"
#include "qt/DayChart.h"
#include "qt/MoonPicture.h"
#include "qt/SkyPathView.h"
#include "tests/qt/SessionTest.h"
#include "window/WindowFields.h"

namespace {

using namespace tessaly;

QByteArray outputOf(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished();
  return process.readAllStandardOutput();
}

// The command line's CSV (or other format) of one month's events, in the
// same (default) place.
QByteArray cliMonth(const char* lang, const char* format = "csv") {
  return outputOf(TESSALY_CLI, {"--from", "1.12.2026", "--to", "31.12.2026", "--events", "--format", format, "--lang", lang});
}

// The lines of a text as their words, blank lines left out.
QStringList words(const QString& text) {
  QStringList lines;
  for (const QString& line : text.split('\n'))
    if (const QString simple = line.simplified(); !simple.isEmpty()) lines << simple;
  return lines;
}

QByteArray withoutStamps(QByteArray calendar) {
  static const QRegularExpression stamp("DTSTAMP:[0-9TZ]+\r\n");
  return QString::fromUtf8(calendar).remove(stamp).toUtf8();
}

}  // namespace

class AlmanacWindowTest : public testing::SessionTest {
  Q_OBJECT

 private slots:
  // Ticks of real-time tracking leave the table, its current cell and its
  // selection alone, and the month box keeps what the user types.
  void tableAndMonthBoxHoldStillAcrossTicks() {
    find<QAction>("meMonthTable")->trigger();
    auto* table = find<QTableWidget>("MonthTable");
    table->selectRow(12);
    table->setCurrentCell(12, 3, QItemSelectionModel::NoUpdate);
    QTableWidgetItem* cell = table->item(12, 3);
    session_->clock.set(6, 12, 2026, 21, 30, 3);
    QTRY_COMPARE_WITH_TIMEOUT(session_->form.model().text("TimeSec"), std::string("3"), 5000);
    QCOMPARE(table->item(12, 3), cell);
    QCOMPARE(table->currentRow(), 12);
    QCOMPARE(table->currentColumn(), 3);
    QVERIFY(table->selectionModel()->isRowSelected(12, {}));

    auto* box = find<QDateEdit>("MonthPicker");
    QVERIFY(activate(almanacWindow()));
    box->setFocus();
    box->setSelectedSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(box, "03");
    box->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(box, "20");
    session_->clock.set(6, 12, 2026, 21, 30, 9);
    QTRY_COMPARE_WITH_TIMEOUT(session_->form.model().text("TimeSec"), std::string("9"), 5000);
    QVERIFY2(box->text().startsWith("03.20"), qPrintable(box->text()));
    QTest::keyClicks(box, "27");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(additions().month(), 3);
    QCOMPARE(additions().year(), 2027);
    QCOMPARE(table->item(0, 0)->text(), QString("1.3.2027"));
  }

  // Tab goes through the controls as the eye reads them and leaves the
  // table; Ctrl+Tab turns the tab; the calendar opens from the keyboard.
  void almanacByKeyboard() {
    find<QAction>("meMonthTable")->trigger();
    QVERIFY(activate(almanacWindow()));
    find<QPushButton>("PreviousMonth")->setFocus();
    // In the month box Tab goes from the month to the year first.
    for (const char* name : {"MonthPicker", "MonthPicker", "NextMonth", "ExportCsv", "CopyTable", "MonthTable"}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(focusedName(), QString(name));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != find<QTableWidget>("MonthTable"));
    find<QTableWidget>("MonthTable")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(find<QTabWidget>()->currentIndex(), 1);
    QCOMPARE(additions().tab(), AlmanacForm::Tab::Day);

    find<QTabWidget>()->setCurrentIndex(0);
    for (auto [key, modifiers] : {std::pair{Qt::Key_Down, Qt::AltModifier}, {Qt::Key_F4, Qt::NoModifier}}) {
      auto* box = find<QDateEdit>("MonthPicker");
      box->setFocus();
      QTest::keyClick(box, key, modifiers);
      QTRY_VERIFY(box->calendarWidget()->isVisible());
      box->calendarWidget()->window()->hide();
    }
  }

  // The chart takes focus; its arrows move a cursor a screen reader hears,
  // the same text the mouse shows. A tick moves the marker.
  void dayChartByKeyboardAndScreenReader() {
    find<QAction>("meDayChart")->trigger();
    auto* chart = find<qtview::DayChart>("DayChart");
    QVERIFY(activate(almanacWindow()));
    chart->setFocus();
    QVERIFY(chart->hasFocus());
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(chart);
    QCOMPARE(node->role(), QAccessible::Chart);
    QVERIFY(node->text(QAccessible::Description).startsWith("Altitude of the Moon on 6.12.2026. Rise at "));
    QCOMPARE(node->text(QAccessible::Value), chart->tipAt(chart->place(21.5, 0).toPoint()));
    QTest::keyClick(chart, Qt::Key_Right);
    QTest::keyClick(chart, Qt::Key_Right);
    QVERIFY(node->text(QAccessible::Value).startsWith("21:50, altitude "));
    QCOMPARE(node->focusChild()->text(QAccessible::Name), node->text(QAccessible::Value));
    QTest::keyClick(chart, Qt::Key_End);
    QVERIFY(node->text(QAccessible::Value).startsWith("24:00, altitude "));

    // Labels of the marks stand clear of the marker line, and of the curve:
    // a rise's before it, a set's after it.
    const double marker = chart->place(additions().moment().hours, 0).x();
    for (const DayMark& mark : additions().day().marks) {
      const QRectF label = chart->labelRect(mark);
      QVERIFY2(label.right() < marker || label.left() > marker, qPrintable(QString::number(mark.hours)));
      const double at = chart->place(mark.hours, 0).x();
      if (mark.event == DayEvent::Rise) QVERIFY(label.right() < at);
      if (mark.event == DayEvent::Set) QVERIFY(label.left() > at);
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(find<qtview::MoonPicture>("MoonPicture"))->role(),
             QAccessible::Graphic);
    session_->clock.set(6, 12, 2026, 23, 0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(additions().moment().hours, 23.0, 5000);
  }

  // A window of its own, beside the main window, that keeps its place.
  void almanacOpensBesideTheMainWindowAndKeepsItsPlace() {
    session_->view.move(0, 0);
    find<QAction>("meMonthTable")->trigger();
    QWidget* window = almanacWindow();
    QVERIFY(window && !window->parentWidget());
    QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    const QRect screen = window->screen()->availableGeometry();
    const bool room = screen.right() - session_->view.frameGeometry().right() >= window->frameGeometry().width();
    if (room) QVERIFY(!window->frameGeometry().intersects(session_->view.frameGeometry()));
    QVERIFY(screen.contains(window->frameGeometry().topLeft()));
    window->move(window->pos() + QPoint(0, 10));
    const QPoint moved = window->pos();
    window->close();
    find<QAction>("meDayChart")->trigger();
    QCOMPARE(window->pos(), moved);
  }

  // After a language switch the table shows every column whole, or the
  // window is as wide as the screen lets it be.
  void tableTakesItsWidthInEitherLanguage() {
    find<QAction>("meMonthTable")->trigger();
    auto* table = find<QTableWidget>("MonthTable");
    QWidget* window = almanacWindow();
    const int screen = window->screen()->availableGeometry().width();
    for (const char* language : {"me1_10", "me1_9", "me1_10"}) {
      find<QAction>(language)->trigger();
      QTRY_VERIFY(table->horizontalScrollBar()->maximum() == 0 || window->frameGeometry().width() >= screen - 2);
      QVERIFY(window->frameGeometry().width() <= screen);
    }
  }

  void menuStandsAfterSettingsAndSwitchesLanguage() {
    const QList<QAction*> top = session_->view.menuBar()->actions();
    QCOMPARE(top.size(), 4);  // Settings, Almanac, Place, Help
    QCOMPARE(top.at(1)->objectName(), QString("meAlmanac"));
    QCOMPARE(top.at(2)->objectName(), QString("mePlace"));
    find<QAction>("meDayChart")->trigger();
    QWidget* window = almanacWindow();
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());

    find<QAction>("me1_10")->trigger();
    QCOMPARE(top.at(1)->text(), QString("&Альманах"));
    QVERIFY(find<qtview::MoonPicture>("MoonPicture")->accessibleName().contains("освещено"));
    QCOMPARE(find<QWidget>("MonthTable")->accessibleName(), QString("Восход, заход, кульминации и фазы Луны по датам"));

    // Esc there closes the almanac, not the program.
    QVERIFY(activate(window));
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(!additions().shown());
    QCOMPARE(session_->exit.ended, 0);
  }

  void pictureTakesFreeRoomAndFollowsSideAndHemisphere() {
    auto* picture = find<qtview::MoonPicture>("MoonPicture");
    QVERIFY(picture->isVisible());
    for (const ElementSpec& element : windowElements())
      if (auto* widget = session_->view.findChild<QWidget*>(QString::fromUtf8(element.name.data(), element.name.size())))
        QVERIFY2(!widget->geometry().intersects(picture->geometry()), element.name.data());

    // Waning on the 5th: lit on the left, but on the right south of the
    // equator, where the picture is mirrored.
    chooseManual();
    session_->form.model().setTexts({{"DateDay", "5"}, {"DateMonth", "12"}, {"DateYear", "2026"},
                                     {"TimeHour", "21"}, {"TimeMin", "30"}, {"TimeSec", "0"}});
    for (int south : {0, 1}) {
      session_->form.model().selectEntry("List2", south);
      session_->form.Command2_Click();
      QCOMPARE(picture->look().litOnRight, south == 1);
    }
    QCOMPARE(picture->accessibleName(), QString("Waning crescent, 10 % illuminated"));
    QCOMPARE(picture->accessibleDescription(), QString("Lit on the right, as seen from the southern hemisphere"));
  }

  void refusedInputShowsTheMainWindowsMessage() {
    chooseManual();
    session_->form.model().setText("Timezon", "13");
    QCOMPARE(modalMessageOf([this] { find<QAction>("meMonthTable")->trigger(); }),
             QString("Tessaly | Uncorrect input Timezone! | 1"));
    QVERIFY(!almanacWindow());
  }

  // The month table is the command line's CSV, and so is its export; the
  // calendar is the command line's but for the moment it was made. The year
  // tab is the command line's grid, turned by year.
  void tablesAndExportsAreTheCommandLinesInBothLanguages() {
    for (const char* lang : {"en", "ru"}) {
      const bool english = lang == std::string("en");
      find<QAction>(english ? "me1_9" : "me1_10")->trigger();
      find<QAction>("meMonthTable")->trigger();
      // The event columns, as the command line writes them; the fraction follows.
      auto* month = find<QTableWidget>("MonthTable");
      std::ostringstream shown;
      for (int r = -1; r < month->rowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c + 1 < month->columnCount(); ++c)
          cells.push_back((r < 0 ? month->horizontalHeaderItem(c) : month->item(r, c))->text().toStdString());
        almanac::writeCsvRow(shown, cells);
      }
      QCOMPARE(QByteArray::fromStdString(shown.str()), cliMonth(lang));
      QTemporaryDir dir;
      auto* window = find<qtview::AlmanacWindow>("AlmanacWindow");
      window->exportTo(dir.filePath("month.csv"));
      QFile file(dir.filePath("month.csv"));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), cliMonth(lang));
      window->exportCalendarTo(dir.filePath("month.ics"));
      QFile calendar(dir.filePath("month.ics"));
      QVERIFY(calendar.open(QIODevice::ReadOnly));
      QCOMPARE(withoutStamps(calendar.readAll()), withoutStamps(cliMonth(lang, "ics")));

      find<QTabWidget>()->setCurrentIndex(2);
      const QString printed =
          QString::fromUtf8(outputOf(TESSALY_CLI, {"--events", "--format", "grid", "--year", "2026", "--lang", lang}));
      const QStringList lines = printed.split('\n');
      QCOMPARE(find<QLabel>("YearTitle")->text(), lines.at(0));
      auto* table = find<QTableWidget>("YearTable");
      QCOMPARE(table->rowCount(), 31);
      for (int r = 0; r < 31; ++r) {
        QStringList row;
        for (int c = 0; c <= 12; ++c) row << table->item(r, c)->text();
        QCOMPARE(row.join(' ').simplified(), lines.at(r + 3).simplified());
      }
      QVERIFY(table->item(5, 12)->font().bold());
      QVERIFY(!table->item(5, 11)->font().bold());
      QVERIFY(table->item(5, 12)->data(Qt::AccessibleTextRole).toString().startsWith(
          english ? "6 Dec: rise " : "6 Дек: восход "));

      // Each tab on paper: one landscape page headed by its title, the place,
      // its coordinates and the zone; the year's cells those of the printed
      // grid but for its rule, a drawn line on paper.
      QString text;  // the last tab's, the year's
      for (int tab = 0; tab < 3; ++tab) {
        find<QTabWidget>()->setCurrentIndex(tab);
        const QString path = dir.filePath(QStringLiteral("tab%1.pdf").arg(tab));
        window->exportPdfTo(path);
        const QString info = QString::fromUtf8(outputOf("pdfinfo", {path}));
        QVERIFY2(info.contains(QRegularExpression("Pages: +1\\n")), qPrintable(info));
        QVERIFY2(info.contains("842 x 595 pts (A4)"), qPrintable(info));  // landscape
        text = QString::fromUtf8(outputOf("pdftotext", {"-layout", path, "-"}));
        QVERIFY2(text.contains(english ? "45°00′ North, 30°15′ East; Timezone: 2" : "45°00′ Сев., 30°15′ Вост.; Часовой пояс: 2"),
                 qPrintable(text));
        const char* titles[2][3] = {{"Moon rise, set, culminations and phases by date  Dec 2026",
                                     "Altitude of the Moon on 6.12.2026", "Moon Rise and Moon Set  2026"},
                                    {"Восход, заход, кульминации и фазы Луны по датам  Дек 2026",
                                     "Высота Луны 6.12.2026", "Восход и заход Луны  2026"}};
        QVERIFY2(text.simplified().contains(QString(titles[english ? 0 : 1][tab]).simplified()), qPrintable(text));
      }
      QStringList grid = printed.split('\n', Qt::SkipEmptyParts);
      grid.removeAt(2);
      QCOMPARE(words(text).mid(2), words(grid.join(QLatin1Char(10))).mid(1));

      find<QTabWidget>()->setCurrentIndex(2);
      QTest::mouseClick(find<QPushButton>("NextYear"), Qt::LeftButton);
      QVERIFY(find<QLabel>("YearTitle")->text().endsWith("2027"));
      QVERIFY(!table->item(5, 12)->font().bold());
      QTest::mouseClick(find<QPushButton>("PreviousYear"), Qt::LeftButton);
    }
  }

  void skyPathBesideTheChartSpeaksThePathInTheLanguageInForce() {
    find<QAction>("meDayChart")->trigger();
    auto* sky = find<qtview::SkyPathView>("SkyPath");
    QVERIFY(sky->isVisible() && find<qtview::DayChart>()->isVisible());
    for (auto [language, name] : {std::pair{Language::English, "Path of the Moon across the sky"},
                                  {Language::Russian, "Путь Луны по небу"}}) {
      if (language == Language::Russian) find<QAction>("me1_10")->trigger();
      sky->grab();  // painting brings the description up to date
      QCOMPARE(sky->accessibleName(), QString(name));
      QCOMPARE(sky->accessibleDescription(), QString::fromStdString(skyPathSpoken(additions().day(), language)));
    }
  }

  void monthNavigationTodayAndCopy() {
    find<QAction>("meMonthTable")->trigger();
    auto* table = find<QTableWidget>("MonthTable");
    QVERIFY(table->item(5, 0)->font().bold());
    QVERIFY(!table->item(4, 0)->font().bold());
    // Today is said, and not drawn in the selection's colour.
    QVERIFY(table->item(5, 0)->background().color().rgb() != table->palette().color(QPalette::Highlight).rgb());
    QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(table);
    QCOMPARE(cells->tableInterface()->cellAt(5, 0)->text(QAccessible::Name), QString("6.12.2026, today"));
    QCOMPARE(cells->tableInterface()->cellAt(4, 0)->text(QAccessible::Name), QString("5.12.2026"));
    // Numbers line up on the right, phase names on the left.
    QVERIFY(table->item(5, 1)->textAlignment() & Qt::AlignRight);
    QVERIFY(table->item(5, table->columnCount() - 2)->textAlignment() & Qt::AlignLeft);
    QTest::mouseClick(find<QPushButton>("NextMonth"), Qt::LeftButton);
    QCOMPARE(table->item(0, 0)->text(), QString("1.1.2027"));
    QVERIFY(!table->item(5, 0)->font().bold());
    QTest::mouseClick(find<QPushButton>("PreviousMonth"), Qt::LeftButton);
    QTest::mouseClick(find<QPushButton>("CopyTable"), Qt::LeftButton);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 32);
    QVERIFY(lines.at(6).startsWith("6.12.2026\t"));
  }

 private:
  const AlmanacForm& additions() const { return find<qtview::AlmanacWindow>("AlmanacWindow")->almanac(); }
};

int main(int argc, char** argv) { return testing::runSessionTest<AlmanacWindowTest>(argc, argv); }

#include "AlmanacWindowTest.moc"
#include "moc_SessionTest.cpp"
