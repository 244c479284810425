#pragma once
// The main window's behaviour: the state record, the window model and every
// handler, free of any toolkit. A view shows the model and forwards events.
#include <cstdint>
#include <initializer_list>
#include <span>

#include "engine/Engine.h"
#include "engine/ObservationState.h"
#include "window/Captions.h"
#include "window/Clock.h"
#include "window/LinkedZone.h"
#include "window/Listeners.h"
#include "window/MessageSink.h"
#include "window/PhaseOffsets.h"
#include "window/ProgramExit.h"
#include "window/WindowModel.h"

namespace tessaly {

// The items of "Timer interval" and the interval each chooses.
struct IntervalItem {
  ElementName item;
  std::int16_t milliseconds;
};
inline constexpr IntervalItem kIntervalItems[] = {{"me1_2", 1000}, {"me1_3", 3000}, {"me1_4", 5000}, {"me1_5", 10000}};

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
  LinkedZone& linkedZone() { return clock_; }
  const LinkedZone& linkedZone() const { return clock_; }

  // The window is created: reads the settings file (FormLoad.cpp).
  void Form_Load();
  // Start-up without today's rise and set and without the ticks: for a
  // caller that calculates moments of its own.
  void loadSettings();

  // "Save settings" (SaveSettings.cpp).
  void me1_7_Click();

  // "Calculate" (Enter).
  void Command2_Click();
  // "Cancel" (Esc).
  void Command1_Click();
  // "Real time tracking".
  void Option1_Click();
  // "Manual".
  void Option2_Click();
  // A tick of the real-time timer.
  void Timer1_Timer();
  // "Timer interval": "1 sec", "3 sec", "5 sec", "10 sec".
  void me1_2_Click();
  void me1_3_Click();
  void me1_4_Click();
  void me1_5_Click();
  // "Azimuth": "From North(0-360)", "From South(0-360)", "From South(-180+180)".
  void me1_12_Click();
  void me1_13_Click();
  void me1_14_Click();
  // "Language": "English", "Russian".
  void me1_9_Click();
  void me1_10_Click();
  void SetRussianCaptions();
  // "Help", "About program".
  void me2_1_Click();
  // "OK" of the English and of the Russian About window.
  void frmAbout_Command1_Click();
  void frmAbout_rus_Command1_Click();
  // "Exit".
  void me1_6_Click();

  // Runs the handler of a menu item; false for a menu without one.
  bool menuItemChosen(ElementName item);

  // Told after a handler has computed new results: a Calculate that passed
  // its checks, a tick, the choice of real-time tracking, an azimuth item.
  // Additions to the window follow the main window through it.
  class ResultsListener {
   public:
    virtual void resultsShown() = 0;

   protected:
    ~ResultsListener() = default;
  };
  void addResultsListener(ResultsListener& listener) { resultsListeners_.add(listener); }
  void removeResultsListener(ResultsListener& listener) { resultsListeners_.remove(listener); }

 private:
  void setTodayAndUniversalTime(const ZonedReading& now);
  void setCaptions(Language language);
  void rebuildList(ElementName list, std::span<const ElementCaption> entries, Language language, int inView);
  void translatePhaseName(ElementName field, Language language);
  void chooseInterval(const IntervalItem& choice);
  void chooseIntervalMarks(ElementName item);
  void checkOnly(ElementName item, std::initializer_list<ElementName> others);
  void setLocationLocked(bool locked);
  void resultsShown() const {
    resultsListeners_.notify([](ResultsListener& l) { l.resultsShown(); });
  }

  LinkedZone clock_;
  MessageSink& messages_;
  ProgramExit& exit_;
  ObservationState state_;
  WindowModel model_;
  PhasesInTheirOffsets engineFields_;
  Engine engine_;
  // A modal message box may let the toolkit deliver further timer events;
  // none of them may run a tick inside the one that is showing it.
  bool tickRunning_ = false;
  Listeners<ResultsListener> resultsListeners_;
};

}  // namespace tessaly
