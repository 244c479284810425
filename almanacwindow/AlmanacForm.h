#pragma once
// The almanac window's behaviour, free of any toolkit: which tab is shown,
// the month on the month tab and the day on the day tab. It takes the main
// window's place, zone, language and azimuth reference, follows each of the
// main window's results and shows a refused input with the main window's
// message.
#include <array>
#include <functional>

#include "almanac/PrintPage.h"
#include "almanacwindow/AlmanacMoment.h"
#include "almanacwindow/DayCurve.h"
#include "almanacwindow/DaySpeech.h"
#include "almanacwindow/MonthPage.h"
#include "almanacwindow/YearPage.h"
#include "window/CaptionsAdditions.h"
#include "window/MainForm.h"

namespace tessaly {

class AlmanacForm {
 public:
  enum class Tab { Month, Day, Year };

  AlmanacForm(MainForm& main, MessageSink& messages);
  AlmanacForm(const AlmanacForm&) = delete;
  AlmanacForm& operator=(const AlmanacForm&) = delete;

  // The two items of the Almanac menu. With an input the main window's
  // Calculate refuses, its message is shown and the window stays as it was.
  void monthTableChosen() { open(Tab::Month); }
  void dayChartChosen() { open(Tab::Day); }
  void tabChosen(Tab tab);
  void closed();

  // After each result of the main window: in manual mode that result's
  // inputs are the ones followed, not texts typed since. Quiet: a refused
  // input keeps the last moment that was accepted.
  void resultsShown();
  // After a change of language.
  void follow();

  bool shown() const { return shown_; }
  Tab tab() const { return tab_; }
  Language language() const { return languageInForce(main_.model()); }

  const DayCurve& day() const { return day_; }
  const DayMoment& moment() const { return moment_; }
  const DayCursor& cursor() const { return cursor_; }
  void moveCursor(DayCursor::Step step) { cursor_.move(step, day_); }

  const MonthPage& page() const { return page_; }
  // Counts the changes of what the month table shows (its cells, headings
  // or today's row), so that the table is rebuilt only when it must be.
  unsigned tableRevision() const { return tableRevision_; }
  // Row of today's date in the month shown, when the month holds it.
  std::optional<std::size_t> todayRow() const;
  // Writes the month's CSV; false when the file could not be written.
  bool exportCsv(const std::string& path) const;
  // Writes the iCalendar file of the month's phases, as `tessaly-cli
  // --events --format ics` writes it; false when it could not be written.
  bool exportCalendar(const std::string& path) const;
  int month() const { return month_; }
  int year() const { return year_; }
  void showMonth(int month, int year);
  void previousMonth();
  void nextMonth();

  // The year tab's grid, filled while that tab is in view.
  const YearPage& yearPage() const { return yearPage_; }
  int gridYear() const { return gridYear_; }
  // Today's cell in the year shown: day 1 to 31 and month 1 to 12.
  std::optional<std::array<int, 2>> todayCell() const;
  void showYear(int year);
  void previousYear() { showYear(gridYear_ - 1); }
  void nextYear() { showYear(gridYear_ + 1); }

  // The tab in view for paper: its title, the place, coordinates and zone,
  // and the month's or year's table; the day's page has no lines, its
  // chart is drawn below the heading.
  almanac::PrintPage printPage() const;

  // Called after anything the almanac window shows has changed.
  void setChangeListener(std::function<void()> listener) { onChange_ = std::move(listener); }

 private:
  void open(Tab tab);
  MomentInputs inputs() const;
  bool take(MessageSink& messages);
  bool fillMonth(MessageSink& messages);
  bool fillYear(MessageSink& messages);
  void changed() const {
    if (onChange_) onChange_();
  }

  MainForm& main_;
  MessageSink& messages_;
  // The inputs of the last result in manual mode.
  std::optional<MomentInputs> manualInputs_;
  AlmanacMoment calculator_;
  std::optional<MomentInputs> dayInputs_;
  std::optional<std::pair<MomentInputs, std::array<int, 2>>> monthInputs_;
  MonthPage page_;
  DayCurve day_;
  DayMoment moment_{};
  DayCursor cursor_;
  std::array<double, 3> date_{};
  std::array<int, 3> today_{};
  unsigned tableRevision_ = 0;
  bool shown_ = false;
  Tab tab_ = Tab::Month;
  int month_ = 1, year_ = 2000;
  std::optional<std::pair<MomentInputs, int>> yearInputs_;
  YearPage yearPage_;
  int gridYear_ = 2000;
  std::function<void()> onChange_;
};

}  // namespace tessaly
