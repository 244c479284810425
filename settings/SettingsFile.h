#pragma once
// The one-line settings file: its line (writer and reader defined
// together so that they agree), where it lives, and reading and replacing it.
// Nothing here touches the window; Form_Load and me1_7_Click build on it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// The eleven fields of the one-line settings file, in file order.
struct SettingsValues {
  std::string town;                 // 1, text (UTF-8 in memory)
  double longDegrees = 0;           // 2
  double longMinutes = 0;           // 3 (the start-up stores it as single precision)
  std::int16_t eastWest = 0;        // 4, 0 East, 1 West
  double latDegrees = 0;            // 5
  double latMinutes = 0;            // 6
  std::int16_t northSouth = 0;      // 7
  double zone = 0;                  // 8
  std::int16_t timerMs = 0;         // 9, 1000 or more
  std::string languageMarker;       // 10, text ("Azimuth" or "Азимут")
  std::optional<double> azimShift;  // 11, empty when never set: written as an empty field
};

// What ends a text field of the line: no text field can hold these.
constexpr std::string_view kTextFieldEnds = ",\r\n";
// The most characters a text field holds, the town's box included: the
// longest place names have under 200, and the line stays far shorter than
// start-up reads (kLongestSettingsLine).
constexpr std::size_t kLongestTextField = 300;
// The text as a text field holds it: the characters of kTextFieldEnds left
// out, and cut after kLongestTextField characters (never inside one).
std::string withoutTextFieldEnds(std::string_view text);

// The file's line: exact field forms, UTF-8, ending with "\r\n". The texts
// are written as withoutTextFieldEnds gives them.
std::string formatSettingsLine(const SettingsValues& values);

// Reads fields in order. fieldsRead = how many fields (0..11) were read before the
// content ran out or a field could not be read; complete = all 11 read (field 11 may be
// empty: azimShift then stays empty).
struct SettingsReading {
  SettingsValues values;
  int fieldsRead = 0;
  bool complete = false;
};
SettingsReading parseSettingsLine(std::string_view bytes);

// "c:\tessaly.ini" on this system: $XDG_CONFIG_HOME/tessaly.ini, or ~/.config/tessaly.ini when
// XDG_CONFIG_HOME is unset or empty.
std::filesystem::path settingsFilePath();

// The file's first `lines` lines, without the last one's CR or LF, at most kLongestSettingsLine
// bytes in all (a longer text is cut short there), so that a huge file neither delays the start
// nor fills the memory. Nothing when the file is missing or unreadable (a directory, no
// permission...). Never throws.
constexpr std::size_t kLongestSettingsLine = 64 * 1024;
std::optional<std::string> readSettingsFile(const std::filesystem::path& path, std::size_t lines = 1);

// Saves the content as the whole file, through replaceFile (see
// AtomicReplace.h): the old file stays whole on any failure, and the reason
// goes to *error. Content that is not one line start-up reads back whole (at
// most kLongestSettingsLine bytes, then "\r\n") is refused. Never throws.
bool writeSettingsFile(const std::filesystem::path& path, std::string_view content,
                       std::string* error);

}  // namespace tessaly
