#pragma once
// The settings file's second line: the named zone the window is linked to.
// The first line stays exactly as it was, and a reader of the one-line file
// stops at its end, so the addition is never seen by one.
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// "zone=Europe/Berlin" and the line end; nothing without a zone.
std::string zoneLine(std::string_view zone);

// The zone named on the second line of the file's bytes; nothing when the
// line is missing or names no zone in the form the database's names take.
std::optional<std::string> zoneOfLine(std::string_view bytes);

}  // namespace tessaly
