#include "places/Zone.h"

#include <algorithm>
#include <stdexcept>

#include "engine/NumberText.h"

namespace tessaly {

date::sys_seconds FixedZone::instant(date::local_seconds local) const {
  return date::sys_seconds{local.time_since_epoch()};
}

LocalMoment FixedZone::moment(date::sys_seconds instant) const {
  return {date::local_seconds{instant.time_since_epoch()}, text_};
}

// No zone is more than 14 hours from universal time, so a local time this
// late is past the last listed change whatever the offset.
constexpr std::chrono::hours kLargestOffset{14};

date::sys_info NamedZone::period(date::sys_seconds instant) const {
  return rule_ && instant >= ruleFrom_ ? rule_->period(instant) : zone_.get_info(instant);
}

date::sys_seconds NamedZone::instant(date::local_seconds local) const {
  const bool ruled = rule_ && local.time_since_epoch() - kLargestOffset >= ruleFrom_.time_since_epoch();
  const date::local_info info = ruled ? rule_->period(local) : zone_.get_info(local);
  // In a gap, the offset before it carries the time past the gap by its
  // length; in an overlap, `first` is the earlier offset.
  return date::sys_seconds{local.time_since_epoch()} - info.first.offset;
}

LocalMoment NamedZone::moment(date::sys_seconds instant) const {
  if (instant < period_.begin || instant >= period_.end) period_ = period(instant);
  return {date::local_seconds{(instant + period_.offset).time_since_epoch()}, zoneText(period_.offset)};
}

std::vector<std::string> NamedZone::textsBetween(date::sys_seconds from, date::sys_seconds to) const {
  std::vector<std::string> texts;
  for (date::sys_seconds at = from; at < to;) {
    const date::sys_info found = period(at);
    std::string text = zoneText(found.offset);
    if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(std::move(text));
    at = found.end;
  }
  return texts;
}

bool skipsDay(const Zone& zone, date::local_days day) {
  return zone.instant(day) == zone.instant(day + date::days{1});
}

std::unique_ptr<Zone> findNamedZone(const std::string& name, const std::filesystem::path& folder) {
  const date::time_zone* zone = nullptr;
  try {
    zone = date::locate_zone(name);
  } catch (const std::runtime_error&) {
    return nullptr;
  }
  // The file is checked before the library reads it: the library aborts or
  // waits on files that are damaged or not files at all.
  const ZoneFileTail tail = readZoneFile(folder, name);
  std::optional<ZoneRule> rule;
  if (!tail.rule.empty()) {
    try {
      rule.emplace(tail.rule);
    } catch (const std::runtime_error&) {
      throw DamagedZone("the zone file of \"" + name + "\" is damaged: its rule cannot be read");
    }
  }
  return std::make_unique<NamedZone>(*zone, std::move(rule),
                                     tail.lastChange.value_or(date::sys_seconds::min()));
}

std::string zoneText(std::chrono::seconds offset) { return numberText(static_cast<double>(offset.count()) / 3600); }

}  // namespace tessaly
