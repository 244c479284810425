#pragma once
// The main window's behaviour: the state record, the window model and every
// handler, free of any toolkit. A view shows the model and forwards events.
#include <cstdint>
#include <functional>
#include <string_view>

#include "engine/Engine.h"
#include "engine/ObservationState.h"
#include "window/Captions.h"
#include "window/Clock.h"
#include "window/MessageSink.h"
#include "window/ProgramExit.h"
#include "window/WindowModel.h"

namespace tessaly {

class MainForm {
 public:
  MainForm(const Clock& clock, MessageSink& messages, ProgramExit& exit);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  WindowModel& model() { return model_; }
  const WindowModel& model() const { return model_; }
  ObservationState& state() { return state_; }
  const ObservationState& state() const { return state_; }
  Engine& engine() { return engine_; }
  MessageSink& messages() { return messages_; }
  const Clock& clock() const { return clock_; }

  // Start-up and saving (defined with the settings file).
  void Form_Load();
  // Start-up without today's rise and set and without the ticks: for a
  // caller that calculates moments of its own.
  void loadSettings();
  void me1_7_Click();

  void Command2_Click();
  void Command1_Click();
  void Option1_Click();
  void Option2_Click();
  void Timer1_Timer();
  void me1_2_Click();
  void me1_3_Click();
  void me1_4_Click();
  void me1_5_Click();
  void me1_12_Click();
  void me1_13_Click();
  void me1_14_Click();
  void me1_9_Click();
  void me1_10_Click();
  void SetRussianCaptions();
  void me2_1_Click();
  void frmAbout_Command1_Click();
  void frmAbout_rus_Command1_Click();
  void me1_6_Click();

  // Runs the handler of a menu item by its name; false for an unknown name.
  bool menuItemChosen(std::string_view item);

  // Called after a handler has computed new results: a Calculate that
  // passed its checks, a tick, the choice of real-time tracking, an azimuth
  // item. Additions to the window follow the main window through it.
  void setResultsListener(std::function<void()> listener) { onResults_ = std::move(listener); }

 private:
  void setTodayAndUniversalTime(const ClockReading& now);
  void setCaptions(Language language);
  void rebuildList(std::string_view list, std::span<const CaptionRow> entries, Language language, int inView);
  void translatePhaseName(std::string_view field, Language language);
  void chooseInterval(std::string_view item, std::int16_t milliseconds);
  void chooseIntervalMarks(std::string_view item);
  void checkOnly(std::string_view item, std::initializer_list<std::string_view> others);
  void setLocationLocked(bool locked);
  void resultsShown() const {
    if (onResults_) onResults_();
  }

  const Clock& clock_;
  MessageSink& messages_;
  ProgramExit& exit_;
  ObservationState state_;
  WindowModel model_;
  Engine engine_;
  // A modal message box may let the toolkit deliver further timer events;
  // none of them may run a tick inside the one that is showing it.
  bool tickRunning_ = false;
  std::function<void()> onResults_;
};

}  // namespace tessaly
