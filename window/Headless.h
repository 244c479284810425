#pragma once
// Stand-ins for the clock, the message box and the program's end where no
// one looks at a window: the command line, the almanac, the tools, the
// benches, the fuzz targets and the tests all drive the main form through
// these.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/Clock.h"
#include "window/MainForm.h"
#include "window/MessageSink.h"
#include "window/ProgramExit.h"

namespace tessaly {

// Reads what it was last set to; universal time is the reading less the
// computer's own offset.
struct FixedClock : Clock {
  ClockReading reading;
  std::chrono::seconds computerOffset{0};
  ClockReading now() const override { return reading; }
  Instant universal() const override {
    using namespace std::chrono;
    const auto day = sys_days{year{reading.year} / reading.month / reading.day};
    return day + round<microseconds>(duration<double>(reading.secondsSinceMidnight)) - computerOffset;
  }
  void set(int day, int month, int year, int hour, int minute, int second, double fraction = 0) {
    reading = {day, month, year, hour, minute, second, hour * 3600.0 + minute * 60.0 + second + fraction};
  }
  // On by whole seconds within the day, as the ticks see the clock move.
  void advance(int seconds) {
    set(reading.day, reading.month, reading.year, reading.hour, reading.minute, reading.second + seconds);
    reading.minute += reading.second / 60;
    reading.second %= 60;
    reading.hour += reading.minute / 60;
    reading.minute %= 60;
  }
};

struct SilentMessages : MessageSink {
  void showMessage(std::string_view) override {}
};

// Keeps every message; a handler stops at its first, so one run of
// Calculate leaves at most one.
struct RecordedMessages : MessageSink {
  std::vector<std::string> shown;
  void showMessage(std::string_view text) override { shown.emplace_back(text); }
  std::optional<std::string> first() const {
    return shown.empty() ? std::nullopt : std::optional<std::string>(shown.front());
  }
};

// Counts the requests to end the program and lets it go on.
struct NoExit : ProgramExit {
  int ended = 0;
  void endProgram() override { ++ended; }
};

// A main form with its stand-ins, as a view would own it.
struct HeadlessForm {
  FixedClock clock;
  RecordedMessages messages;
  NoExit exit;
  MainForm form{clock, messages, exit};
};

}  // namespace tessaly
