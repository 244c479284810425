#pragma once
// The clock the window lives by: the computer's local clock, or, while a
// named zone is linked, universal time shown in that zone with the offset
// in force, so that the window is right whatever zone the computer is set
// to and follows each change of the zone's clocks.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/ObservationState.h"
#include "places/Zone.h"
#include "window/Clock.h"
#include "window/WindowModel.h"

namespace tessaly {

// A reading of the window's clock: while a named zone is linked, the local
// time is the zone's and `zone` its offset in force then, as the Timezone
// box shows it.
struct ZonedReading : ClockReading {
  std::optional<std::string> zone;
};

class LinkedZone : public Clock {
 public:
  explicit LinkedZone(const Clock& computer) : computer_(computer) {}

  ZonedReading reading() const;
  ClockReading now() const override { return reading(); }
  Instant universal() const override { return computer_.universal(); }

  // A zone of the system's database; false, and nothing linked, for a name
  // it does not hold or whose file is damaged or missing. Such a name stays
  // `refused()` until a zone is linked.
  bool link(const std::string& name);
  void unlink();
  const std::string& refused() const { return refused_; }
  // Where the zone files are checked; tests point it at damaged ones.
  void setZoneFolder(std::filesystem::path folder) { folder_ = std::move(folder); }
  // Empty while no zone is linked.
  const std::string& name() const { return name_; }
  const Zone* zone() const { return zone_.get(); }
  // The Timezone box's upper bound: a named zone's offsets reach +14.
  double zoneHigh() const;
  // Called after a zone was linked or unlinked.
  void setLinkListener(std::function<void()> listener) { onLink_ = std::move(listener); }

  // The offset of a reading into the Timezone box and the state, before
  // anything reads them; nothing for a reading of no named zone.
  static void showOffset(WindowModel& window, ObservationState& state, const ZonedReading& reading);
  // While linked: the offset in force at the local moment that the date and
  // time boxes hold, into the Timezone box. A time the zone skips moves
  // forward by the gap, a repeated one takes the earlier offset. Boxes that
  // hold no date and time leave everything as it is, for the checks to
  // report, and give false.
  bool showOffsetAtTypedMoment(WindowModel& window) const;

 private:
  const Clock& computer_;
  std::string name_, refused_;
  std::filesystem::path folder_ = kZoneFolder;
  std::unique_ptr<Zone> zone_;
  std::function<void()> onLink_;
};

}  // namespace tessaly
