#include "window/MainForm.h"

#include <string>

#include "window/Calculate.h"

namespace tessaly {

MainForm::MainForm(const Clock& clock, MessageSink& messages, ProgramExit& exit)
    : clock_(clock), messages_(messages), exit_(exit), engineFields_(model_.fields(), clock_), engine_(state_, engineFields_) {
  model_.setOptionHandler([this](ElementName option) {
    if (option == "Option1")
      Option1_Click();
    else
      Option2_Click();
  });
}

void MainForm::Command2_Click() {
  clock_.showOffsetAtTypedMoment(model_);
  if (tessaly::Command2_Click(engine_, messages_, clock_.zoneHigh())) resultsShown();
}

void MainForm::Command1_Click() { exit_.endProgram(); }

void MainForm::me1_6_Click() { exit_.endProgram(); }

void MainForm::setTodayAndUniversalTime(const ZonedReading& now) {
  LinkedZone::showOffset(model_, state_, now);
  state_.InDay = now.day;
  state_.InMonth = now.month;
  state_.InYear = now.year;
  // Real-time moments are formed in single precision at every step.
  const float seconds = static_cast<float>(now.secondsSinceMidnight);
  const float utHour = seconds / 3600.0f - state_.TZone;
  state_.UTHour = utHour;
  state_.DayUT = static_cast<float>(now.day) + utHour / 24.0f;
}

void MainForm::checkOnly(ElementName item, std::initializer_list<ElementName> others) {
  model_.setChecked(item, true);
  for (ElementName other : others) model_.setChecked(other, false);
}

bool MainForm::menuItemChosen(ElementName item) {
  using Handler = void (MainForm::*)();
  struct MenuHandler {
    ElementName item;
    Handler handler;
  };
  static constexpr MenuHandler kHandlers[] = {
      {"me1_2", &MainForm::me1_2_Click},   {"me1_3", &MainForm::me1_3_Click},
      {"me1_4", &MainForm::me1_4_Click},   {"me1_5", &MainForm::me1_5_Click},
      {"me1_6", &MainForm::me1_6_Click},   {"me1_7", &MainForm::me1_7_Click},
      {"me1_9", &MainForm::me1_9_Click},   {"me1_10", &MainForm::me1_10_Click},
      {"me1_12", &MainForm::me1_12_Click}, {"me1_13", &MainForm::me1_13_Click},
      {"me1_14", &MainForm::me1_14_Click}, {"me2_1", &MainForm::me2_1_Click},
  };
  for (const MenuHandler& h : kHandlers) {
    if (h.item != item) continue;
    (this->*h.handler)();
    return true;
  }
  return false;
}

}  // namespace tessaly
