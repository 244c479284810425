#pragma once
// What a zone file of the system's database holds beyond the changes the
// date library reads from it: the last change it lists and the rule, as a
// POSIX TZ text, for the years after it.
#include <date/date.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace tessaly {

// The folder of the system's zone files, where the date library finds them.
inline const std::filesystem::path kZoneFolder = "/usr/share/zoneinfo";

// A zone file that cannot be read as one; the message names the zone.
class DamagedZone : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct ZoneFileTail {
  std::optional<date::sys_seconds> lastChange;  // none for a zone of one offset
  std::string rule;                              // empty when the file gives none
};

// The tail of the zone `name` in `folder`. Throws DamagedZone for anything
// but a regular file of the zone file format: a FIFO or device is never
// opened, so it cannot make the program wait.
ZoneFileTail readZoneFile(const std::filesystem::path& folder, const std::string& name);

}  // namespace tessaly
