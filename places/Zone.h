#pragma once
// The time zone of a place: a fixed zone text as the window takes it, or a
// named zone of the system's time-zone database whose offset follows
// daylight saving.
#include <date/tz.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "places/LocalMoment.h"
#include "places/ZoneFile.h"
#include "places/ZoneRule.h"

namespace tessaly {

class Zone {
 public:
  virtual ~Zone() = default;
  // The instant of a local time. A local time that does not exist moves
  // forward by the gap; a repeated one takes the earlier offset.
  virtual date::sys_seconds instant(date::local_seconds local) const = 0;
  // The local time of an instant with the zone text in force then.
  virtual LocalMoment moment(date::sys_seconds instant) const = 0;
  // Every zone text in force from one instant up to another, in order.
  virtual std::vector<std::string> textsBetween(date::sys_seconds from, date::sys_seconds to) const = 0;
  // The same zone for another thread: a zone may remember what it last
  // looked up.
  virtual std::unique_ptr<Zone> copy() const = 0;
};

// A zone of one offset as typed, never read as a number here: the window's
// own reading of the text applies. Its instants are counted in local time.
class FixedZone : public Zone {
 public:
  explicit FixedZone(std::string text) : text_(std::move(text)) {}
  date::sys_seconds instant(date::local_seconds local) const override;
  LocalMoment moment(date::sys_seconds instant) const override;
  std::vector<std::string> textsBetween(date::sys_seconds, date::sys_seconds) const override { return {text_}; }
  std::unique_ptr<Zone> copy() const override { return std::make_unique<FixedZone>(text_); }

 private:
  std::string text_;
};

// The changes the zone file lists, as the date library reads them, and
// after the last of them the file's rule, which the library leaves out.
class NamedZone : public Zone {
 public:
  NamedZone(const date::time_zone& zone, std::optional<ZoneRule> rule, date::sys_seconds ruleFrom)
      : zone_(zone), rule_(std::move(rule)), ruleFrom_(ruleFrom) {}
  date::sys_seconds instant(date::local_seconds local) const override;
  LocalMoment moment(date::sys_seconds instant) const override;
  std::vector<std::string> textsBetween(date::sys_seconds from, date::sys_seconds to) const override;
  std::unique_ptr<Zone> copy() const override { return std::make_unique<NamedZone>(zone_, rule_, ruleFrom_); }
  const date::time_zone& zone() const { return zone_; }

 private:
  date::sys_info period(date::sys_seconds instant) const;

  const date::time_zone& zone_;
  std::optional<ZoneRule> rule_;
  date::sys_seconds ruleFrom_;
  // Consecutive rows mostly share one period of the zone's rules.
  mutable date::sys_info period_{};
};

// Whether the zone's clocks skip the whole local date, as Kwajalein's did
// when it moved across the date line.
bool skipsDay(const Zone& zone, date::local_days day);

// The named zone from the system's database; empty for an unknown name.
// Throws DamagedZone when its file in `folder` cannot be read as one.
std::unique_ptr<Zone> findNamedZone(const std::string& name, const std::filesystem::path& folder = kZoneFolder);

// The zone text of an offset: hours east, as the window's number text.
std::string zoneText(std::chrono::seconds offset);

}  // namespace tessaly
