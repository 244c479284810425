#include "almanacwindow/AlmanacForm.h"

#include <algorithm>
#include <fstream>
#include <memory>

#include "places/Zone.h"
#include "window/Calculate.h"
#include "window/CalculateFields.h"
#include "window/CaptionsAdditions.h"
#include "window/Headless.h"

namespace tessaly {
namespace {

// The day's curve depends on everything but the time of day, the month's
// table on everything but the date and time. (The zone, Timezon, is neither.)
constexpr ElementName kTimeOfDay[] = {"TimeHour", "TimeMin", "TimeSec"};

MomentInputs without(MomentInputs inputs, std::span<const ElementName> fields) {
  for (auto& [field, text] : inputs.texts)
    if (std::ranges::find(fields, field) != fields.end()) text.clear();
  return inputs;
}

// The zone the inputs were calculated in, read anew: a manual result keeps
// its zone after the main window unlinks it. A file damaged since it was
// linked leaves the typed offset.
std::unique_ptr<Zone> linkedZoneOf(const MomentInputs& inputs) {
  if (inputs.linkedZone.empty()) return nullptr;
  try {
    return findNamedZone(inputs.linkedZone);
  } catch (const DamagedZone&) {
    return nullptr;
  }
}

}  // namespace

AlmanacForm::AlmanacForm(MainForm& main, MessageSink& messages) : main_(main), messages_(messages) {}

MomentInputs AlmanacForm::inputs() const {
  MomentInputs inputs = momentInputsOf(main_);
  if (main_.model().selected("Option1") || !manualInputs_) return inputs;
  // The language and the azimuth reference are the ones in force.
  MomentInputs calculated = *manualInputs_;
  calculated.azimuthShift = inputs.azimuthShift;
  calculated.phaseHeading = inputs.phaseHeading;
  calculated.cancelCaption = inputs.cancelCaption;
  return calculated;
}

bool AlmanacForm::take(MessageSink& messages) {
  const MomentInputs inputs = this->inputs();
  if (!calculator_.calculate(inputs, messages)) return false;
  const ObservationState& s = calculator_.state();
  // A new date, by Calculate or past midnight in real-time tracking, brings
  // its month along; a month chosen by hand stays while the date stays.
  const std::array<double, 3> date{s.InDay, s.InMonth, s.InYear};
  if (date != date_) {
    date_ = date;
    month_ = static_cast<int>(s.InMonth);
    year_ = static_cast<int>(s.InYear);
    gridYear_ = year_;
  }
  MomentInputs dayInputs = without(inputs, kTimeOfDay);
  if (dayInputs_ != dayInputs) {
    day_ = dayCurve(calculator_, linkedZoneOf(inputs).get());
    dayInputs_ = std::move(dayInputs);
  }
  moment_ = dayMoment(calculator_);
  cursor_.follow(day_, moment_);
  return fillMonth(messages) && fillYear(messages);
}

bool AlmanacForm::fillMonth(MessageSink& messages) {
  const ClockReading now = main_.clock().now();
  if (const std::array today{now.day, now.month, now.year}; today != today_) {
    today_ = today;
    ++tableRevision_;
  }
  auto inputs = std::pair{without(this->inputs(), dateAndTimeFields()), std::array{month_, year_}};
  if (monthInputs_ == inputs) return true;
  // A linked zone gives each date its own offset, whatever the box shows.
  const std::unique_ptr<Zone> linked = linkedZoneOf(inputs.first);
  if (auto message =
          monthPage(calculator_.window(), calculator_.state().AzimShift, linked.get(), month_, year_, page_)) {
    messages.showMessage(*message);
    return false;
  }
  monthInputs_ = std::move(inputs);
  ++tableRevision_;
  return true;
}

// Only while its tab is in view: a year takes some 365 Calculates.
bool AlmanacForm::fillYear(MessageSink& messages) {
  if (tab_ != Tab::Year) return true;
  auto inputs = std::pair{without(this->inputs(), dateAndTimeFields()), gridYear_};
  if (yearInputs_ == inputs) return true;
  if (auto message = tessaly::yearPage(main_, linkedZoneOf(inputs.first).get(), gridYear_, yearPage_)) {
    messages.showMessage(*message);
    return false;
  }
  yearInputs_ = std::move(inputs);
  return true;
}

std::optional<std::array<int, 2>> AlmanacForm::todayCell() const {
  if (today_[2] != yearPage_.year) return std::nullopt;
  return std::array{today_[0], today_[1]};
}

void AlmanacForm::showYear(int year) {
  if (year < kFirstYear || year > kLastYear) return;
  gridYear_ = year;
  fillYear(messages_);
  changed();
}

std::optional<std::size_t> AlmanacForm::todayRow() const {
  if (today_[1] != page_.month || today_[2] != page_.year) return std::nullopt;
  return static_cast<std::size_t>(today_[0] - 1);
}

void AlmanacForm::open(Tab tab) {
  if (!take(messages_)) return;
  shown_ = true;
  tab_ = tab;
  changed();
}

void AlmanacForm::tabChosen(Tab tab) {
  tab_ = tab;
  fillYear(messages_);
  changed();
}

void AlmanacForm::closed() { shown_ = false; }

void AlmanacForm::resultsShown() {
  if (main_.model().selected("Option2")) manualInputs_ = momentInputsOf(main_);
  follow();
}

void AlmanacForm::follow() {
  if (!shown_) return;
  SilentMessages silence;
  if (take(silence)) changed();
}

void AlmanacForm::showMonth(int month, int year) {
  if (year < kFirstYear || year > kLastYear) return;
  month_ = month;
  year_ = year;
  fillMonth(messages_);
  changed();
}

void AlmanacForm::previousMonth() { month_ == 1 ? showMonth(12, year_ - 1) : showMonth(month_ - 1, year_); }

void AlmanacForm::nextMonth() { month_ == 12 ? showMonth(1, year_ + 1) : showMonth(month_ + 1, year_); }

bool AlmanacForm::exportCsv(const std::string& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << monthCsv(page_);
  out.close();
  return static_cast<bool>(out);
}

bool AlmanacForm::exportCalendar(const std::string& path) const {
  std::string text;
  if (!monthCalendar(main_, month_, year_, std::chrono::system_clock::now(), text)) return false;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

}  // namespace tessaly
