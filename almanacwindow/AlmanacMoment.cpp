#include "almanacwindow/AlmanacMoment.h"

#include <iterator>

#include "window/Calculate.h"
#include "window/CalculateFields.h"

namespace tessaly {

MomentInputs momentInputsOf(const MainForm& main) {
  const WindowModel& window = main.model();
  const ObservationState& state = main.state();
  MomentInputs inputs;
  for (ElementName field : inputFields()) inputs.texts.emplace_back(field, window.text(field));
  // The date and time come first, in the order of the clock's reading.
  if (window.selected("Option1")) {
    const ZonedReading now = main.linkedZone().reading();
    const int clock[] = {now.day, now.month, now.year, now.hour, now.minute, now.second};
    for (std::size_t i = 0; i < std::size(clock); ++i) inputs.texts[i].second = std::to_string(clock[i]);
    if (now.zone) inputs.texts.back().second = *now.zone;  // Timezon: a linked zone's offset then
  }
  inputs.eastWest = window.topEntry("List1");
  inputs.northSouth = window.topEntry("List2");
  inputs.azimuthShift = state.AzimShift;
  inputs.phaseHeading = window.text("Label25");
  inputs.linkedZone = main.linkedZone().name();
  inputs.cancelCaption = window.text("Command1");
  return inputs;
}

AlmanacMoment::AlmanacMoment() : engine_(state_, window_.fields()) { setAngleConstants(state_); }

bool AlmanacMoment::calculate(const MomentInputs& inputs, MessageSink& messages) {
  for (const auto& [field, text] : inputs.texts) window_.setText(field, text);
  window_.selectEntry("List1", inputs.eastWest);
  window_.selectEntry("List2", inputs.northSouth);
  window_.setText("Label25", inputs.phaseHeading);
  window_.setText("Command1", inputs.cancelCaption);
  state_.AzimShift = inputs.azimuthShift;
  return Command2_Click(engine_, messages, inputs.linkedZone.empty() ? kTypedZoneHigh : kNamedZoneHigh);
}

}  // namespace tessaly
