#include "AlmanacForm.h"

#include "CaptionsAlmanac.h"

namespace tessaly {
namespace {

struct Silence : MessageSink {
  void showMessage(std::string_view) override {}
};

// The day's curve depends on everything but the time of day.
MomentInputs withoutTimeOfDay(MomentInputs inputs) {
  for (auto& [field, text] : inputs.texts)
    if (field.starts_with("Time")) text.clear();
  return inputs;
}

}  // namespace

AlmanacForm::AlmanacForm(MainForm& main, MessageSink& messages) : main_(main), messages_(messages) {}

bool AlmanacForm::take(MessageSink& messages) {
  const MomentInputs inputs = momentInputsOf(main_.model(), main_.state());
  if (!calculator_.calculate(inputs, messages)) return false;
  const ObservationState& s = calculator_.state();
  // A new date, by Calculate or past midnight in real-time tracking, brings
  // its month along; a month chosen by hand stays while the date stays.
  const std::array<double, 3> date{s.InDay, s.InMonth, s.InYear};
  if (date != date_) {
    date_ = date;
    month_ = static_cast<int>(s.InMonth);
    year_ = static_cast<int>(s.InYear);
  }
  MomentInputs dayInputs = withoutTimeOfDay(inputs);
  if (dayInputs_ != dayInputs) {
    day_ = dayCurve(calculator_);
    dayInputs_ = std::move(dayInputs);
  }
  moment_ = dayMoment(calculator_);
  return true;
}

void AlmanacForm::open(Tab tab) {
  if (!take(messages_)) return;
  shown_ = true;
  tab_ = tab;
  changed();
}

void AlmanacForm::tabChosen(Tab tab) {
  tab_ = tab;
  changed();
}

void AlmanacForm::closed() { shown_ = false; }

void AlmanacForm::follow() {
  if (!shown_) return;
  Silence silence;
  if (take(silence)) changed();
}

void AlmanacForm::showMonth(int month, int year) {
  if (year < kFirstYear || year > kLastYear) return;
  month_ = month;
  year_ = year;
  changed();
}

void AlmanacForm::previousMonth() { month_ == 1 ? showMonth(12, year_ - 1) : showMonth(month_ - 1, year_); }

void AlmanacForm::nextMonth() { month_ == 12 ? showMonth(1, year_ + 1) : showMonth(month_ + 1, year_); }

}  // namespace tessaly
