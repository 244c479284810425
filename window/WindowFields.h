#pragma once
// Every element of the main window by its name: what kind it is, what it
// shows when the window is created and whether it takes input then; for the
// menu, where each item stands and whether it carries a check mark.
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
  bool checked = false;         // menu items and option buttons
  std::string_view parent = {};  // the submenu or menu an item stands in; none for the menu bar's own
  bool checkMark = false;       // a menu item that shows whether it is chosen
};

namespace element_table {
using K = ElementKind;
// In screen order within their groups.
inline constexpr ElementSpec kWindowElements[] = {
    {"Label32", K::Caption, "TESSALY"},
    // Time
    {"Date", K::Caption, "Date"},
    {"DateDay", K::Combo, ""},
    {"DateMonth", K::Combo, ""},
    {"DateYear", K::Combo, ""},
    {"DayYear", K::Caption, "Day of Year"},
    {"DOY", K::Value, "365"},
    {"LocalTime", K::Caption, "Local Time"},
    {"TimeHour", K::Text, ""},
    {"Label5(4)", K::Unit, "h"},
    {"TimeMin", K::Text, ""},
    {"Label11", K::Unit, "m"},
    {"TimeSec", K::Text, ""},
    {"Label15", K::Unit, "s"},
    {"SidTime", K::Caption, "Sidereal Time"},
    {"SidHour", K::Value, ""},
    {"Label5(5)", K::Unit, "h"},
    {"SidMin", K::Value, ""},
    {"Label10", K::Unit, "m"},
    {"SidSec", K::Value, ""},
    {"Label16", K::Unit, "s"},
    {"Label1", K::Caption, "J. D."},
    {"JulianDate", K::Value, "2455325.25874"},
    // Location
    {"LocSet", K::Caption, "Location:"},
    {"Town", K::Text, "Varnholm"},
    {"Longitude", K::Caption, "Longitude"},
    {"LongGrad", K::Text, "30", false},
    {"Label19", K::Unit, "o"},
    {"LongMin", K::Text, "15", false},
    {"Label13", K::Unit, " '"},
    {"List1", K::OneRowList, "", false},
    {"Latitude", K::Caption, "Latitude"},
    {"LatGrad", K::Text, "45", false},
    {"Label20", K::Unit, "o"},
    {"LatMin", K::Text, "00", false},
    {"Label14", K::Unit, " '"},
    {"List2", K::OneRowList, "", false},
    {"TimZon", K::Caption, "Timezone"},
    {"Timezon", K::Text, "2", false},
    {"Label5(6)", K::Unit, "h"},
    // Coordinates of the Moon
    {"CoordSun", K::Caption, "Coordinates of Moon"},
    {"Longit", K::Caption, "Longitude"},
    {"LongSun", K::Value, ""},
    {"Label21", K::Unit, "o"},
    {"Latit", K::Caption, "Latitude"},
    {"LatLuna", K::Value, ""},
    {"Label26", K::Unit, "o"},
    {"RASun", K::Caption, "Right Ascension"},
    {"RAHour", K::Value, ""},
    {"Label5(3)", K::Unit, "h"},
    {"RAMin", K::Value, ""},
    {"Label9", K::Unit, "m"},
    {"RASec", K::Value, ""},
    {"Label17", K::Unit, "s"},
    {"DeclSun", K::Caption, "Declination"},
    {"Label33", K::Value, ""},
    {"DeclGrad", K::Value, ""},
    {"Label22", K::Unit, "o"},
    {"DeclMin", K::Value, ""},
    {"Label12", K::Unit, " '"},
    {"DeclSec", K::Value, ""},
    {"Label18", K::Unit, " ''"},
    {"AltSun", K::Caption, "Altitude"},
    {"Tru", K::Caption, "True"},
    {"AltTrue", K::Value, ""},
    {"Label23", K::Unit, "o"},
    {"App", K::Caption, "App."},
    {"AltApp", K::Value, "--------"},
    {"Label24", K::Unit, "o"},
    {"AzimSun", K::Caption, "Azimuth"},
    {"AzimTrue", K::Value, ""},
    {"Label27", K::Unit, "o"},
    // Distance, size, illumination and age
    {"Distance", K::Caption, "Distance from Earth"},
    {"Distkm", K::Value, "397664"},
    {"km", K::Unit, "km"},
    {"DistPer", K::Value, "93.5"},
    {"Per", K::Unit, "%"},
    {"DiamSun", K::Caption, "Moon's angular diameter"},
    {"DiamMin", K::Value, ""},
    {"Label2", K::Unit, " '"},
    {"DiamSec", K::Value, ""},
    {"Label4", K::Unit, " ''"},
    {"Phase", K::Caption, "Fraction illuminated"},
    {"Fraction", K::Value, "98.6"},
    {"Label8", K::Unit, "%"},
    {"Label36", K::Caption, "Moon's Age"},
    {"Label37", K::Value, "28.458"},
    {"Label38", K::Unit, "d"},
    // Moon phases
    {"Label25", K::Caption, "Moon Phases"},
    {"Phase1", K::Value, ""},
    {"DatePhase1", K::Value, "15.4.2010 21:25"},
    {"Phase2", K::Value, ""},
    {"DatePhase2", K::Value, "15.4.2010 21:25"},
    // Mode choice
    {"Label30", K::Caption, "Choice of a mode"},
    {"Option1", K::OptionButton, "", true, true},
    {"Label28", K::Caption, "Real time tracking"},
    {"Option2", K::OptionButton, "", true, false},
    {"Label29", K::Caption, "Manual"},
    // Culminations, rise and set
    {"CulmSun(0)", K::Caption, "Upper culmination time"},
    {"CulmHour(0)", K::Value, ""},
    {"Label5(0)", K::Unit, "h"},
    {"CulmMin(0)", K::Value, ""},
    {"Label6(0)", K::Unit, "m"},
    {"AltTransit(0)", K::Caption, "Altitude"},
    {"ATransit(0)", K::Value, "27"},
    {"Label34(0)", K::Unit, "o"},
    {"CulmSun(1)", K::Caption, "Lower culmination"},
    {"CulmHour(1)", K::Value, ""},
    {"Label5(7)", K::Unit, "h"},
    {"CulmMin(1)", K::Value, ""},
    {"Label6(1)", K::Unit, "m"},
    {"AltTransit(1)", K::Caption, "Altitude"},
    {"ATransit(1)", K::Value, "27"},
    {"Label34(1)", K::Unit, "o"},
    {"Sunrise", K::Caption, "Moon Rise"},
    {"RiseHour", K::Value, ""},
    {"Label5(1)", K::Unit, "h"},
    {"RiseMin", K::Value, ""},
    {"Label3", K::Unit, "m"},
    {"RiseAzim", K::Caption, "Azimuth"},
    {"RAzim", K::Value, "-124"},
    {"Label31", K::Unit, "o"},
    {"Sunset", K::Caption, "Moon Set"},
    {"SetHour", K::Value, ""},
    {"Label5(2)", K::Unit, "h"},
    {"SetMin", K::Value, ""},
    {"Label7", K::Unit, "m"},
    {"SetAzim", K::Caption, "Azimuth"},
    {"SAzim", K::Value, "125"},
    {"Label35", K::Unit, "o"},
    // Buttons
    {"Command2", K::Button, "Calculate", false},
    {"Command1", K::Button, "Cancel"},
    // Menu bar
    {.name = "me1", .kind = K::MenuItem, .initialText = "&Settings"},
    {.name = "me1_1", .kind = K::MenuItem, .initialText = "&Timer interval", .parent = "me1"},
    {.name = "me1_2", .kind = K::MenuItem, .initialText = " 1 sec", .checked = true, .parent = "me1_1", .checkMark = true},
    {.name = "me1_3", .kind = K::MenuItem, .initialText = " 3 sec", .parent = "me1_1", .checkMark = true},
    {.name = "me1_4", .kind = K::MenuItem, .initialText = " 5 sec", .parent = "me1_1", .checkMark = true},
    {.name = "me1_5", .kind = K::MenuItem, .initialText = "10 sec", .parent = "me1_1", .checkMark = true},
    {.name = "me1_8", .kind = K::MenuItem, .initialText = "&Language", .parent = "me1"},
    {.name = "me1_9", .kind = K::MenuItem, .initialText = "English", .parent = "me1_8"},
    {.name = "me1_10", .kind = K::MenuItem, .initialText = "Russian", .parent = "me1_8"},
    {.name = "me1_11", .kind = K::MenuItem, .initialText = "&Azimuth", .parent = "me1"},
    {.name = "me1_12", .kind = K::MenuItem, .initialText = "&From North(0-360)", .checked = true, .parent = "me1_11", .checkMark = true},
    {.name = "me1_13", .kind = K::MenuItem, .initialText = "&From South(0-360)", .parent = "me1_11", .checkMark = true},
    {.name = "me1_14", .kind = K::MenuItem, .initialText = "&From South(-180+180)", .parent = "me1_11", .checkMark = true},
    {.name = "me1_7", .kind = K::MenuItem, .initialText = "&Save settings", .parent = "me1"},
    {.name = "me1_6", .kind = K::MenuItem, .initialText = "&Exit", .parent = "me1"},
    {.name = "me2", .kind = K::MenuItem, .initialText = "&Help"},
    {.name = "me2_1", .kind = K::MenuItem, .initialText = "About program", .parent = "me2"},
};
}  // namespace element_table

using element_table::kWindowElements;

inline std::span<const ElementSpec> windowElements() { return kWindowElements; }

// The fixed entries of the two one-row lists as created.
inline constexpr std::string_view kEastWest[] = {"East", "West"};
inline constexpr std::string_view kNorthSouth[] = {"North", "South"};

inline constexpr std::string_view kWindowCaption = "Tessaly";

}  // namespace tessaly
