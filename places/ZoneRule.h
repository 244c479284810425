#pragma once
// The rule a zone file gives, as a POSIX TZ text, for the years after the
// last change it lists (Europe/Berlin: "CET-1CEST,M3.5.0,M10.5.0/3").
#include <date/date.h>
#include <date/tz.h>

#include <memory>
#include <string>

namespace Posix {
class time_zone;
}

namespace tessaly {

class ZoneRule {
 public:
  // Throws std::runtime_error for a text that is no such rule.
  explicit ZoneRule(const std::string& text);
  date::sys_info period(date::sys_seconds instant) const;
  date::local_info period(date::local_seconds local) const;

 private:
  // Never changed once read, so copies for other threads share it.
  std::shared_ptr<const Posix::time_zone> rule_;
};

}  // namespace tessaly
