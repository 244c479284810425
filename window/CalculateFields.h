#pragma once
// Every field Calculate reads or writes, by its window name, in the order the
// command line reports them.
#include <span>
#include <string_view>

namespace tessaly {

std::span<const std::string_view> calculateFields();

}  // namespace tessaly
