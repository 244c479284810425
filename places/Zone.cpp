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

date::sys_seconds NamedZone::instant(date::local_seconds local) const {
  const date::local_info info = zone_.get_info(local);
  // In a gap, the offset before it carries the time past the gap by its
  // length; in an overlap, `first` is the earlier offset.
  return date::sys_seconds{local.time_since_epoch()} - info.first.offset;
}

LocalMoment NamedZone::moment(date::sys_seconds instant) const {
  if (instant < period_.begin || instant >= period_.end) period_ = zone_.get_info(instant);
  return {date::local_seconds{(instant + period_.offset).time_since_epoch()}, zoneText(period_.offset)};
}

std::vector<std::string> NamedZone::textsBetween(date::sys_seconds from, date::sys_seconds to) const {
  std::vector<std::string> texts;
  for (date::sys_seconds at = from; at < to;) {
    const date::sys_info period = zone_.get_info(at);
    std::string text = zoneText(period.offset);
    if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(std::move(text));
    at = period.end;
  }
  return texts;
}

std::unique_ptr<Zone> findNamedZone(const std::string& name) {
  try {
    return std::make_unique<NamedZone>(*date::locate_zone(name));
  } catch (const std::runtime_error&) {
    return nullptr;
  }
}

std::string zoneText(std::chrono::seconds offset) { return numberText(static_cast<double>(offset.count()) / 3600); }

}  // namespace tessaly
