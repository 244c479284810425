#pragma once
#include <optional>
#include <string>

#include "WindowModel.h"

namespace tessaly::cli {

// Every field Calculate reads or writes, by its window name, with "message".
std::string jsonReport(const WindowModel& window, const std::optional<std::string>& message);

// A readable block grouped like the window, in the language its captions show.
std::string textReport(const WindowModel& window);

}  // namespace tessaly::cli
