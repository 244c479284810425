#pragma once
// Stand-ins for the clock, the message box and the program's end, so that
// scripted sessions run the window's behaviour without a screen.
#include <string>
#include <vector>

#include "Clock.h"
#include "MainForm.h"
#include "MessageSink.h"
#include "ProgramExit.h"

namespace tessaly::testing {

struct FakeClock : Clock {
  ClockReading reading;
  ClockReading now() const override { return reading; }
  void set(int day, int month, int year, int hour, int minute, int second, double fraction = 0) {
    reading = {day, month, year, hour, minute, second, hour * 3600.0 + minute * 60.0 + second + fraction};
  }
};

struct RecordedMessages : MessageSink {
  std::vector<std::string> shown;
  void showMessage(std::string_view text) override { shown.emplace_back(text); }
};

struct RecordedExit : ProgramExit {
  int ended = 0;
  void endProgram() override { ++ended; }
};

// A main form with its fakes, as a view would own it.
struct FormFixture {
  FakeClock clock;
  RecordedMessages messages;
  RecordedExit exit;
  MainForm form{clock, messages, exit};
};

}  // namespace tessaly::testing
