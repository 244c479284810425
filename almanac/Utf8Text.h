#pragma once
// Texts of the window as a terminal shows them: always valid UTF-8, and as
// wide as the characters they show.
#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly {

// The text with every byte that does not begin a valid UTF-8 sequence
// replaced by U+FFFD, so that a JSON writer or a terminal can take it.
std::string sanitizedUtf8(std::string_view text);

// Terminal columns a valid UTF-8 text takes: combining marks and control
// characters none, East Asian wide and full-width characters two, the rest one.
std::size_t displayWidth(std::string_view utf8);

}  // namespace tessaly
