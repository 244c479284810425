#pragma once
// The window's captions in the two languages, in the order they are set.
#include <span>
#include <string_view>

#include "window/ElementName.h"

namespace tessaly {

enum class Language { English, Russian };

// A text in both languages, under the key of what shows it.
template <typename Key>
struct CaptionRowOf {
  Key control;
  std::string_view english;
  std::string_view russian;
  std::string_view in(Language language) const { return language == Language::English ? english : russian; }
};
// Keyed by a name of the program's additions ("meAlmanac", "date").
using CaptionRow = CaptionRowOf<std::string_view>;
// Keyed by an element of the main window.
using ElementCaption = CaptionRowOf<ElementName>;

// The caption of a key in a table; the key itself when the table lacks it.
std::string_view captionOf(std::span<const CaptionRow> table, std::string_view key, Language language);

// Label32 to TimZon, set before the lists are rebuilt.
std::span<const ElementCaption> headCaptions();
// The entries of List1 and List2.
std::span<const ElementCaption> eastWestEntries();
std::span<const ElementCaption> northSouthEntries();
// CoordSun to me2_1, set after the lists.
std::span<const ElementCaption> tailCaptions();

struct AboutTexts {
  std::string_view dialog;  // "frmAbout" or "frmAbout_rus"
  std::string_view caption;
  std::string_view lines[5];  // Label1 to Label5
  std::string_view ok;
};
const AboutTexts& aboutTexts(Language language);

}  // namespace tessaly
