#pragma once
// Captions with places for values: "%1, %2 % illuminated".
#include <initializer_list>
#include <string>
#include <string_view>

namespace tessaly {

// The pattern with %1, %2, ... each replaced by that argument, once.
std::string filledCaption(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace tessaly
