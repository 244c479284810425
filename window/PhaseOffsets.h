#pragma once
// Where the clocks change, a phase is shown in the offset in force at the
// phase rather than the one of the moment calculated, so that it falls on
// the date and at the hour the zone's clocks show then.
#include <string>

#include "engine/FieldStore.h"
#include "places/Zone.h"
#include "window/LinkedZone.h"
#include "window/WindowModel.h"

namespace tessaly {

// A phase date as Calculate shows it ("D.M.YYYY H:M") in the zone text
// `shownIn`, shown instead in the offset the zone has at the phase.
std::string phaseDateInItsOffset(const Zone& zone, const std::string& shownIn, const std::string& dateText);

// Both phase dates of a window whose Calculate ran in its Timezone text.
void showPhasesInTheirOffsets(WindowModel& window, const Zone& zone);

// The window's fields as the engine writes them: while a zone is linked,
// each phase date goes in in the offset in force at the phase, so that the
// window shows it once per calculation and in that offset.
class PhasesInTheirOffsets : public FieldStore {
 public:
  PhasesInTheirOffsets(FieldStore& window, const LinkedZone& zone) : window_(window), zone_(zone) {}
  std::string text(std::string_view field) const override { return window_.text(field); }
  void setText(std::string_view field, std::string_view text) override;
  int topEntry(std::string_view list) const override { return window_.topEntry(list); }
  void selectEntry(std::string_view list, int index) override { window_.selectEntry(list, index); }

 private:
  FieldStore& window_;
  const LinkedZone& zone_;
};

}  // namespace tessaly
