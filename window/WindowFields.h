#pragma once
// Every element of the main window by its name: what kind it is, what it
// shows when the window is created and whether it takes input then.
#include <span>
#include <string_view>

namespace tessaly {

enum class ElementKind {
  Combo,         // editable drop-down box: free text and suggestions
  Text,          // one-line text box
  Value,         // read-only label written by a procedure
  Caption,       // read-only label with fixed text, translated
  Unit,          // small label holding a unit sign
  OneRowList,    // two entries, one row high: the entry in view is the choice
  OptionButton,  // one of the two mode buttons
  Button,        // command button
  MenuItem,      // menu bar entry, submenu or item
};

struct ElementSpec {
  std::string_view name;
  ElementKind kind;
  std::string_view initialText;
  bool enabled = true;
  bool checked = false;  // menu items and option buttons
};

// In screen order within their groups.
std::span<const ElementSpec> windowElements();

// The fixed entries of the two one-row lists as created.
inline constexpr std::string_view kEastWest[] = {"East", "West"};
inline constexpr std::string_view kNorthSouth[] = {"North", "South"};

inline constexpr std::string_view kWindowCaption = "Tessaly";

}  // namespace tessaly
