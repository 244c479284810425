#pragma once
// Names as a search compares them: without case, accents or the marks that
// tell ё from е, with dashes and dots as blanks, so that "zurich" finds
// "Zürich" and "санкт петербург" finds "Санкт-Петербург".
#include <string>
#include <string_view>

namespace tessaly {

// UTF-8 in and out; text that is not valid UTF-8 is mended first.
std::string searchText(std::string_view text);

}  // namespace tessaly
