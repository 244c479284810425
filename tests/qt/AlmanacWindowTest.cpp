// The additions to the window on screen: the Almanac menu and window, the
// day chart and the picture of the lit Moon, wired to the form and to the
// command line's almanac.
#include <QAction>
#include <QApplication>
#include <QAccessible>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDateEdit>
#include <QScreen>
#include <QScrollBar>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/Csv.h"
#include "almanacwindow/SkyPath.h"
#include "qt/AlmanacWindow.h"
#include "qt/DayChart.h"
#include "qt/MainWindowView.h"
#include "qt/MoonPicture.h"
#include "qt/SkyPathView.h"
#include "tests/support/WindowSession.h"
#include "window/WindowFields.h"

namespace {

using namespace tessaly;

using Session = testing::WindowSession;

// The command line's CSV (or other format) of one month's events, in the
// same (default) place.
QByteArray cliMonthCsv(const char* lang, const char* format = "csv") {
  QProcess cli;
  cli.start(TESSALY_CLI, {"--from", "1.12.2026", "--to", "31.12.2026", "--events", "--format", format, "--lang", lang});
  cli.waitForFinished();
  return cli.readAllStandardOutput();
}

QString pdfText(const QString& path) {
  QProcess reader;
  reader.start("pdftotext", {"-layout", path, "-"});
  reader.waitForFinished();
  return QString::fromUtf8(reader.readAllStandardOutput());
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

class AlmanacWindowTest : public QObject {
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
    for (int second = 1; second <= 3; ++second) {
      session_->clock.set(6, 12, 2026, 21, 30, second);
      QTRY_COMPARE_WITH_TIMEOUT(session_->form.model().text("TimeSec"), std::to_string(second), 5000);
    }
    QCOMPARE(table->item(12, 3), cell);
    QCOMPARE(table->currentRow(), 12);
    QCOMPARE(table->currentColumn(), 3);
    QVERIFY(table->selectionModel()->isRowSelected(12, {}));

    auto* box = find<QDateEdit>("MonthPicker");
    QApplication::setActiveWindow(almanacWindow());
    QVERIFY(QTest::qWaitForWindowActive(almanacWindow()));
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
    QWidget* window = almanacWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    find<QPushButton>("PreviousMonth")->setFocus();
    // In the month box Tab goes from the month to the year first.
    for (const char* name : {"MonthPicker", "MonthPicker", "NextMonth", "ExportCsv", "CopyTable", "MonthTable"}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* focused = QApplication::focusWidget();
      while (focused && focused->objectName().isEmpty()) focused = focused->parentWidget();
      QCOMPARE(focused->objectName(), QString(name));
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
  // the same text the mouse shows.
  void dayChartByKeyboardAndScreenReader() {
    find<QAction>("meDayChart")->trigger();
    auto* chart = find<qtview::DayChart>("DayChart");
    QApplication::setActiveWindow(almanacWindow());
    QVERIFY(QTest::qWaitForWindowActive(almanacWindow()));
    chart->setFocus();
    QVERIFY(chart->hasFocus());
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(chart);
    QCOMPARE(node->role(), QAccessible::Chart);
    QVERIFY(node->text(QAccessible::Description).startsWith("Altitude of the Moon on 6.12.2026. Rise at "));
    QVERIFY(node->text(QAccessible::Description).contains("Marker at 21:30:00"));
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

  void init() {
    session_ = std::make_unique<Session>();
    QVERIFY(session_->start());
  }

  void cleanup() { session_.reset(); }

  void menuStandsAfterSettingsAndSwitchesLanguage() {
    const QList<QAction*> top = session_->view.menuBar()->actions();
    QCOMPARE(top.size(), 4);  // Settings, Almanac, Place, Help
    QCOMPARE(top.at(1)->objectName(), QString("meAlmanac"));
    QCOMPARE(top.at(2)->objectName(), QString("mePlace"));
    QCOMPARE(top.at(1)->text(), QString("&Almanac"));
    find<QAction>("meDayChart")->trigger();
    auto* window = find<QWidget>("AlmanacWindow");
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(find<QTabWidget>()->tabText(1), QString("&Day"));

    find<QAction>("me1_10")->trigger();
    QCOMPARE(top.at(1)->text(), QString("&Альманах"));
    QCOMPARE(find<QAction>("meMonthTable")->text(), QString("&Таблица месяца…"));
    QCOMPARE(window->windowTitle(), QString("Альманах Tessaly"));
    QCOMPARE(find<QTabWidget>()->tabText(1), QString("&День"));
    QCOMPARE(find<QPushButton>("ExportCsv")->text(), QString("&Экспорт CSV…"));
    QVERIFY(find<qtview::MoonPicture>("MoonPicture")->accessibleName().contains("освещено"));
    QCOMPARE(find<QWidget>("MonthTable")->accessibleName(), QString("Восход, заход, кульминации и фазы Луны по датам"));

    // Esc there closes the almanac, not the program.
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
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

    // Waxing on the 15th, waning on the 5th; south of the equator mirrored.
    const struct {
      const char* day;
      int southInView;
      bool litOnRight;
    } cases[] = {{"15", 0, true}, {"5", 0, false}, {"15", 1, false}, {"5", 1, true}};
    chooseManual();
    for (const auto& c : cases) {
      WindowModel& w = session_->form.model();
      w.setTexts({{"DateDay", c.day}, {"DateMonth", "12"}, {"DateYear", "2026"},
                  {"TimeHour", "21"}, {"TimeMin", "30"}, {"TimeSec", "0"}});
      w.selectEntry("List2", c.southInView);
      session_->form.Command2_Click();
      QCOMPARE(picture->look().litOnRight, c.litOnRight);
    }
    QCOMPARE(picture->accessibleName(), QString("Waning crescent, 10 % illuminated"));
    QCOMPARE(picture->accessibleDescription(), QString("Lit on the right, as seen from the southern hemisphere"));
  }

  void dayChartMarksAreTheWindowsFieldsAndTheMarkerMoves() {
    find<QAction>("meDayChart")->trigger();
    auto* chart = find<qtview::DayChart>("DayChart");
    QVERIFY(chart->isVisible());
    const auto& day = additions().day();
    for (const DayMark& mark : day.marks) {
      if (mark.event == DayEvent::Rise) {
        QCOMPARE(QString::fromStdString(mark.hourText), label("RiseHour"));
        QCOMPARE(QString::fromStdString(mark.minuteText), label("RiseMin"));
      }
      if (mark.event == DayEvent::Set) {
        QCOMPARE(QString::fromStdString(mark.hourText), label("SetHour"));
        QCOMPARE(QString::fromStdString(mark.minuteText), label("SetMin"));
      }
    }
    QVERIFY(chart->tipAt(chart->place(12, 0).toPoint()).startsWith("12:00, altitude "));

    // The tick at 23:00 moves the marker there.
    session_->clock.set(6, 12, 2026, 23, 0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(additions().moment().hours, 23.0, 5000);
  }

  void refusedInputShowsTheMainWindowsMessage() {
    chooseManual();
    session_->form.model().setText("Timezon", "13");
    QString seen;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen = box->text();
        box->button(QMessageBox::Ok)->click();
        closer.stop();
      }
    });
    closer.start(10);
    find<QAction>("meMonthTable")->trigger();
    QCOMPARE(seen, QString("Uncorrect input Timezone!"));
    QVERIFY(!almanacWindow());
  }

  void monthTableIsTheCommandLinesRowsInBothLanguages() {
    for (const char* lang : {"en", "ru"}) {
      find<QAction>(lang == std::string("en") ? "me1_9" : "me1_10")->trigger();
      find<QAction>("meMonthTable")->trigger();
      // The event columns, written as the command line writes them, are its
      // CSV; the fraction follows.
      auto* table = find<QTableWidget>("MonthTable");
      std::ostringstream shown;
      for (int r = -1; r < table->rowCount(); ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c + 1 < table->columnCount(); ++c)
          cells.push_back((r < 0 ? table->horizontalHeaderItem(c) : table->item(r, c))->text().toStdString());
        almanac::writeCsvRow(shown, cells);
      }
      QCOMPARE(QByteArray::fromStdString(shown.str()), cliMonthCsv(lang));

      QTemporaryDir dir;
      const QString path = dir.filePath("month.csv");
      find<qtview::AlmanacWindow>("AlmanacWindow")->exportTo(path);
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), cliMonthCsv(lang));

      // The calendar is the command line's but for the moment it was made.
      const QString calendarPath = dir.filePath("month.ics");
      find<qtview::AlmanacWindow>("AlmanacWindow")->exportCalendarTo(calendarPath);
      QFile calendar(calendarPath);
      QVERIFY(calendar.open(QIODevice::ReadOnly));
      const QByteArray written = calendar.readAll();
      QVERIFY(written.contains(lang == std::string("en") ? "SUMMARY:Full Moon" : "SUMMARY:Полнолуние"));
      QCOMPARE(withoutStamps(written), withoutStamps(cliMonthCsv(lang, "ics")));
    }
  }

  void yearTabIsTheCommandLinesGridInBothLanguages() {
    for (const char* lang : {"en", "ru"}) {
      find<QAction>(lang == std::string("en") ? "me1_9" : "me1_10")->trigger();
      find<QAction>("meMonthTable")->trigger();
      find<QTabWidget>()->setCurrentIndex(2);
      QProcess cli;
      cli.start(TESSALY_CLI, {"--events", "--format", "grid", "--year", "2026", "--lang", lang});
      cli.waitForFinished();
      const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split('\n');
      QCOMPARE(find<QLabel>("YearTitle")->text(), lines.at(0));
      auto* table = find<QTableWidget>("YearTable");
      QCOMPARE(table->rowCount(), 31);
      // Each cell of the printed grid: the day as wide as its heading, then
      // twelve cells of 11 characters, two blanks before each.
      const auto dayWidth = std::max<qsizetype>(2, lines.at(1).indexOf(' '));
      for (int r = 0; r < 31; ++r) {
        const QString line = lines.at(r + 3).leftJustified(dayWidth + 12 * 13);
        QCOMPARE(table->item(r, 0)->text(), line.left(dayWidth).trimmed());
        for (int c = 1; c <= 12; ++c) {
          const QString cell = line.mid(dayWidth + 2 + (c - 1) * 13, 11);
          QCOMPARE(table->item(r, c)->text(), cell.trimmed().isEmpty() ? QString() : cell);
        }
      }
      QVERIFY(table->item(5, 12)->font().bold());
      QVERIFY(!table->item(5, 11)->font().bold());
      QVERIFY(table->item(5, 12)->data(Qt::AccessibleTextRole).toString().startsWith(
          lang == std::string("en") ? "6 Dec: rise " : "6 Дек: восход "));
      QTest::mouseClick(find<QPushButton>("NextYear"), Qt::LeftButton);
      QVERIFY(find<QLabel>("YearTitle")->text().endsWith("2027"));
      QVERIFY(!table->item(5, 12)->font().bold());
      QTest::mouseClick(find<QPushButton>("PreviousYear"), Qt::LeftButton);
    }
  }

  // Each tab on paper: one landscape page headed by its title, the place,
  // its coordinates and the zone; the year's cells those of the printed grid.
  void eachTabAsAPdfInBothLanguages() {
    for (const char* lang : {"en", "ru"}) {
      const bool english = lang == std::string("en");
      find<QAction>(english ? "me1_9" : "me1_10")->trigger();
      find<QAction>("meMonthTable")->trigger();
      QTemporaryDir dir;
      for (int tab = 0; tab < 3; ++tab) {
        find<QTabWidget>()->setCurrentIndex(tab);
        const QString path = dir.filePath(QStringLiteral("tab%1.pdf").arg(tab));
        find<qtview::AlmanacWindow>("AlmanacWindow")->exportPdfTo(path);
        QProcess info;
        info.start("pdfinfo", {path});
        info.waitForFinished();
        const QString infoText = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(infoText.contains(QRegularExpression("Pages: +1\\n")), qPrintable(infoText));
        QVERIFY2(infoText.contains("842 x 595 pts (A4)"), qPrintable(infoText));  // landscape
        const QString text = pdfText(path);
        QVERIFY2(text.contains(english ? "45°00′ North, 30°15′ East; Timezone: 2" : "45°00′ Сев., 30°15′ Вост.; Часовой пояс: 2"),
                 qPrintable(text));
        const char* titles[2][3] = {{"Moon rise, set, culminations and phases by date  Dec 2026",
                                     "Altitude of the Moon on 6.12.2026", "Moon Rise and Moon Set  2026"},
                                    {"Восход, заход, кульминации и фазы Луны по датам  Дек 2026",
                                     "Высота Луны 6.12.2026", "Восход и заход Луны  2026"}};
        QVERIFY2(text.simplified().contains(QString(titles[english ? 0 : 1][tab]).simplified()), qPrintable(text));
      }
      QProcess cli;
      cli.start(TESSALY_CLI, {"--events", "--format", "grid", "--year", "2026", "--lang", lang});
      cli.waitForFinished();
      QStringList grid = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
      grid.removeAt(2);  // the rule, a drawn line on paper
      QCOMPARE(words(pdfText(dir.filePath("tab2.pdf"))).mid(2), words(grid.join(QLatin1Char(10))).mid(1));
    }
  }

  void skyPathBesideTheChartSpeaksThePathInTheLanguageInForce() {
    find<QAction>("meDayChart")->trigger();
    auto* sky = find<qtview::SkyPathView>("SkyPath");
    QVERIFY(sky->isVisible());
    QVERIFY(find<qtview::DayChart>()->isVisible());
    sky->grab();  // painting brings the description up to date
    const AlmanacForm& almanac = find<qtview::AlmanacWindow>("AlmanacWindow")->almanac();
    QCOMPARE(sky->accessibleName(), QString("Path of the Moon across the sky"));
    QCOMPARE(sky->accessibleDescription(), QString::fromStdString(skyPathSpoken(almanac.day(), Language::English)));
    QVERIFY(sky->accessibleDescription().startsWith("Rises at 4:55 in the east-southeast."));
    find<QAction>("me1_10")->trigger();
    sky->grab();
    QCOMPARE(sky->accessibleName(), QString("Путь Луны по небу"));
    QVERIFY(sky->accessibleDescription().startsWith("Восходит в 4:55"));
  }

  void monthNavigationTodayAndCopy() {
    find<QAction>("meMonthTable")->trigger();
    auto* table = find<QTableWidget>("MonthTable");
    QVERIFY(table->item(5, 0)->font().bold());
    QVERIFY(!table->item(4, 0)->font().bold());
    // Today is said, and not drawn in the selection's colour.
    QCOMPARE(table->item(5, 0)->background().color().rgb() == table->palette().color(QPalette::Highlight).rgb(),
             false);
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
  // In the main window, or in the almanac window, which is a window of
  // its own.
  template <typename T>
  T* find(const char* name = nullptr) const {
    if (T* found = session_->view.findChild<T*>(name ? QString(name) : QString())) return found;
    if (QWidget* almanac = almanacWindow()) {
      if (auto* itself = qobject_cast<T*>(almanac); itself && (!name || almanac->objectName() == name)) return itself;
      if (T* found = almanac->findChild<T*>(name ? QString(name) : QString())) return found;
    }
    qFatal("no %s in the windows", name ? name : "such child");
  }
  static QWidget* almanacWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == "AlmanacWindow") return window;
    return nullptr;
  }
  QString label(const char* name) const { return find<QLabel>(name)->text(); }
  void chooseManual() const { session_->form.model().setSelected("Option2", true); }
  const AlmanacForm& additions() const { return find<qtview::AlmanacWindow>("AlmanacWindow")->almanac(); }

  std::unique_ptr<Session> session_;
};

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  AlmanacWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "AlmanacWindowTest.moc"
