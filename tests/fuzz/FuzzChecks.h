#pragma once
// What every fuzz target insists on after driving the window: no value field
// shows a not-a-number or an infinity; and the silent stand-ins for the
// clock, the message box and the program's end that drive it.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "Clock.h"
#include "MessageSink.h"
#include "ProgramExit.h"
#include "WindowFields.h"
#include "WindowModel.h"

namespace tessaly::fuzz {

struct FixedClock : Clock {
  ClockReading now() const override { return {9, 12, 2026, 21, 0, 0, 75600}; }
};
struct NoMessages : MessageSink {
  void showMessage(std::string_view) override {}
};
struct NoExit : ProgramExit {
  void endProgram() override {}
};

inline void requireFiniteValueFields(const WindowModel& model) {
  for (const ElementSpec& e : windowElements()) {
    if (e.kind != ElementKind::Value) continue;
    const std::string text = model.text(e.name);
    for (std::string_view bad : {"nan", "inf", "NAN", "INF"}) {
      if (text.find(bad) != std::string::npos) {
        std::fprintf(stderr, "%.*s shows \"%s\"\n", int(e.name.size()), e.name.data(), text.c_str());
        std::abort();
      }
    }
  }
}

}  // namespace tessaly::fuzz
