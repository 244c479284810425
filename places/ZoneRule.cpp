#include "places/ZoneRule.h"

// The packaged header names hh_mm_ss unqualified under both the date and the
// std::chrono namespaces, which C++20 makes ambiguous; one of its own name
// keeps it to the date library's.
namespace date {
template <class Duration>
using hh_mm_ss_of_date = hh_mm_ss<Duration>;
}
#define hh_mm_ss hh_mm_ss_of_date
#include <date/ptz.h>
#undef hh_mm_ss

namespace tessaly {

ZoneRule::ZoneRule(const std::string& text) : rule_(std::make_shared<const Posix::time_zone>(text)) {}

date::sys_info ZoneRule::period(date::sys_seconds instant) const { return rule_->get_info(instant); }

date::local_info ZoneRule::period(date::local_seconds local) const { return rule_->get_info(local); }

}  // namespace tessaly
