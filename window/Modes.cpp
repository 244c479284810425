// Real-time tracking and manual mode, the timer tick and its interval.
#include "engine/NumberText.h"
#include "window/LocationCheck.h"
#include "window/MainForm.h"

namespace tessaly {
namespace {

constexpr ElementName kLocationFields[] = {"Command2", "LongGrad", "LongMin", "List1",
                                                "List2",    "LatGrad",  "LatMin",  "Timezon"};

std::string wholeNumberText(int value) { return numberText(static_cast<double>(value)); }

}  // namespace

void MainForm::setLocationLocked(bool locked) {
  for (ElementName field : kLocationFields) model_.setEnabled(field, !locked);
}

void MainForm::Option1_Click() {
  setLocationLocked(true);
  setTodayAndUniversalTime(clock_.reading());
  engine_.PhaseMoon();
  engine_.RISESETCULM();
  model_.setTimerInterval(state_.TimerMs);
  resultsShown();
}

void MainForm::Option2_Click() {
  setLocationLocked(false);
  model_.setTimerInterval(0);
}

void MainForm::Timer1_Timer() {
  if (tickRunning_) return;
  tickRunning_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{tickRunning_};

  // One reading serves the whole tick, so that the fields and the moment
  // computed agree even across midnight; a linked zone's offset in force
  // goes into the Timezone box before the location part reads it.
  const ZonedReading now = clock_.reading();
  LinkedZone::showOffset(model_, state_, now);
  if (!checkLocation(engine_, messages_, kTickLatitudeBound, clock_.zoneHigh())) {
    model_.setSelected("Option1", false);
    model_.setSelected("Option2", true);
    // With Manual selected already its handler did not run: the ticks stop
    // here all the same, or every one would show the message again.
    model_.setTimerInterval(0);
    return;
  }
  model_.setText("DateDay", wholeNumberText(now.day));
  model_.setText("DateMonth", wholeNumberText(now.month));
  model_.setText("DateYear", wholeNumberText(now.year));
  model_.setText("TimeHour", wholeNumberText(now.hour));
  model_.setText("TimeMin", wholeNumberText(now.minute));
  model_.setText("TimeSec", wholeNumberText(now.second));
  setTodayAndUniversalTime(now);
  engine_.MAINCALC();
  resultsShown();
}

// In manual mode the ticks stay stopped, so that they cannot overwrite the
// date and time typed; the interval applies when tracking is chosen again.
void MainForm::chooseInterval(const IntervalItem& choice) {
  state_.TimerMs = choice.milliseconds;
  if (model_.selected("Option1")) model_.setTimerInterval(choice.milliseconds);
  chooseIntervalMarks(choice.item);
}

void MainForm::chooseIntervalMarks(ElementName item) {
  model_.setChecked(item, true);
  for (const IntervalItem& other : kIntervalItems)
    if (other.item != item) model_.setChecked(other.item, false);
}

void MainForm::me1_2_Click() { chooseInterval(kIntervalItems[0]); }
void MainForm::me1_3_Click() { chooseInterval(kIntervalItems[1]); }
void MainForm::me1_4_Click() { chooseInterval(kIntervalItems[2]); }
void MainForm::me1_5_Click() { chooseInterval(kIntervalItems[3]); }

}  // namespace tessaly
