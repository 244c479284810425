#pragma once
// The main window's moment, recomputed on a private copy of the window: the
// texts of its date, time, place and zone fields, the entries in view, the
// azimuth reference and the language go through the very Calculate the
// window runs, so that every text the almanac shows is one the window
// would show.
#include <optional>
#include <string>
#include <vector>

#include "engine/Engine.h"
#include "engine/ObservationState.h"
#include "window/MainForm.h"
#include "window/MessageSink.h"
#include "window/WindowModel.h"

namespace tessaly {

struct MomentInputs {
  std::vector<std::pair<ElementName, std::string>> texts;
  int eastWest = 0, northSouth = 0;
  std::optional<double> azimuthShift;
  std::string phaseHeading;  // Label25, which decides the language of the phase names
  std::string linkedZone;    // the month follows a linked zone's offsets
  std::string cancelCaption;  // Command1, which decides the language of the rest
  bool operator==(const MomentInputs&) const = default;
};

// In real-time tracking the date and time are the clock's, whether or not
// a tick has written them yet; in manual mode they are the fields' texts.
MomentInputs momentInputsOf(const MainForm& main);

class AlmanacMoment {
 public:
  AlmanacMoment();
  AlmanacMoment(const AlmanacMoment&) = delete;
  AlmanacMoment& operator=(const AlmanacMoment&) = delete;

  // Runs Calculate on the inputs; a refused input goes to the messages and
  // gives false.
  bool calculate(const MomentInputs& inputs, MessageSink& messages);

  const WindowModel& window() const { return window_; }
  const ObservationState& state() const { return state_; }
  Engine& engine() { return engine_; }

 private:
  WindowModel window_;
  ObservationState state_;
  Engine engine_;
};

}  // namespace tessaly
