#pragma once
#include <optional>
#include <string>

#include "almanac/EventRow.h"
#include "window/WindowModel.h"

namespace tessaly::cli {

// Every field Calculate reads or writes, by its window name, with "message".
std::string jsonReport(const WindowModel& window, const std::optional<std::string>& message);

// The same object on one line, for JSON Lines: one calculated moment.
std::string jsonLine(const WindowModel& window);
// One event row on one line: its fields by their window names and the
// phases of its date.
std::string eventJsonLine(const almanac::EventRow& row);

// A readable block grouped like the window, in the language its captions show.
std::string textReport(const WindowModel& window);

}  // namespace tessaly::cli
