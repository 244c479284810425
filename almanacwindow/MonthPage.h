#pragma once
// One month of the almanac for the window: the command line's event rows
// of every date, each with the illuminated fraction at local midnight.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "almanac/EventRow.h"
#include "window/Captions.h"
#include "window/MainForm.h"

namespace tessaly {

struct MonthPage {
  int month = 0, year = 0;
  Language language = Language::English;
  std::vector<std::string> headings;
  std::vector<std::vector<std::string>> rows;  // the event columns, then the fraction
  std::vector<almanac::EventRow> events;       // what the CSV is written from
  std::vector<almanac::Column> columns;        // the command line's event columns
  // Columns of numbers, times and dates, which line up on the right.
  std::vector<bool> numeric;
};

// The month in the place, zone and language a window holds, in an azimuth
// reference; with a linked zone, each date in the offset in force then.
// Returns the message of a refused input.
std::optional<std::string> monthPage(const WindowModel& place, std::optional<double> azimuthShift, const Zone* linked,
                                     int month, int year, MonthPage& page);

// Exactly what `tessaly-cli --events --format csv` writes for the month.
std::string monthCsv(const MonthPage& page);

// The iCalendar file of the month's phases in the main window's place,
// zone (a linked one first) and language, made at `stamp`; false for a
// refused input.
bool monthCalendar(const MainForm& main, int month, int year, std::chrono::system_clock::time_point stamp,
                   std::string& text);

// The table as text for the clipboard: headings and rows, tab-separated.
std::string monthText(const MonthPage& page);

}  // namespace tessaly
