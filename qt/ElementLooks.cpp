#include "qt/ElementLooks.h"

#include <array>

namespace tessaly::qtview {
namespace {

constexpr std::optional<ElementName> labelling(ElementName field) { return field; }

// Samples of the boxes are the longest texts the checks accept; samples of
// the values the widest they show, so that the columns keep their places
// while the values change from tick to tick.
constexpr ElementLook kLooks[] = {
    {.name = "Label32", .style = kTitle},
    {.name = "Date", .labels = labelling("DateDay")},
    {.name = "DateDay", .firstSuggestion = 1, .lastSuggestion = 31},
    {.name = "DateMonth", .firstSuggestion = 1, .lastSuggestion = 12},
    {.name = "DateYear", .firstSuggestion = 2010, .lastSuggestion = 2020},
    {.name = "DOY", .sample = "366"},
    {.name = "LocalTime", .labels = labelling("TimeHour")},
    {.name = "TimeHour", .sample = "23.5"},
    {.name = "TimeMin", .sample = "59.5"},
    {.name = "TimeSec", .sample = "59.5"},
    {.name = "SidHour", .sample = "00"},
    {.name = "SidMin", .sample = "00"},
    {.name = "SidSec", .sample = "00"},
    {.name = "JulianDate", .sample = "0000000.00000"},
    {.name = "LocSet", .labels = labelling("Town")},
    {.name = "Town", .sample = "000000000000"},
    {.name = "Longitude", .labels = labelling("LongGrad")},
    {.name = "LongGrad", .sample = "-180"},
    {.name = "LongMin", .sample = "59.99"},
    {.name = "Label13", .style = kOnTheLine},
    {.name = "Latitude", .labels = labelling("LatGrad")},
    {.name = "LatGrad", .sample = "-90"},
    {.name = "LatMin", .sample = "59.99"},
    {.name = "Label14", .style = kOnTheLine},
    {.name = "TimZon", .labels = labelling("Timezon")},
    {.name = "Timezon", .sample = "-12.75"},
    {.name = "CoordSun", .style = kHeading},
    {.name = "LongSun", .sample = "000.0000"},
    {.name = "LatLuna", .sample = "-0.0000"},
    {.name = "RAHour", .sample = "00"},
    {.name = "RAMin", .sample = "00"},
    {.name = "RASec", .sample = "00"},
    {.name = "Label33", .sample = "-"},
    {.name = "DeclGrad", .sample = "00"},
    {.name = "DeclMin", .sample = "00"},
    {.name = "Label12", .style = kOnTheLine},
    {.name = "DeclSec", .sample = "00"},
    {.name = "Label18", .style = kOnTheLine},
    {.name = "AltTrue", .sample = "-00.0"},
    {.name = "AltApp", .sample = "--------"},
    {.name = "AzimTrue", .sample = "-000.0"},
    {.name = "Distance", .style = kUnderlined},
    {.name = "Distkm", .sample = "000000"},
    {.name = "km", .style = kOnTheLine},
    {.name = "DistPer", .sample = "000.0"},
    {.name = "Per", .style = kOnTheLine},
    {.name = "DiamSun", .style = kUnderlined},
    {.name = "DiamMin", .sample = "00"},
    {.name = "Label2", .style = kOnTheLine},
    {.name = "DiamSec", .sample = "00"},
    {.name = "Label4", .style = kOnTheLine},
    {.name = "Phase", .style = kUnderlined},
    {.name = "Fraction", .sample = "100.0"},
    {.name = "Label8", .style = kOnTheLine},
    {.name = "Label36", .style = kUnderlined},
    {.name = "Label37", .sample = "00.000"},
    {.name = "Label38", .style = kOnTheLine},
    {.name = "Label25", .style = kUnderlined},
    {.name = "Phase1", .sample = "1 Quarter"},
    {.name = "DatePhase1", .sample = "00.00.0000 00:00"},
    {.name = "Phase2", .sample = "1 Quarter"},
    {.name = "DatePhase2", .sample = "00.00.0000 00:00"},
    {.name = "Label30", .style = kUnderlined},
    {.name = "Label28", .labels = labelling("Option1")},
    {.name = "Label29", .labels = labelling("Option2")},
    {.name = "CulmSun(0)", .style = kUnderlined},
    {.name = "CulmHour(0)", .sample = "00"},
    {.name = "CulmMin(0)", .sample = "00"},
    {.name = "AltTransit(0)", .style = kUnderlined},
    {.name = "ATransit(0)", .sample = "-00", .style = kLarge},
    {.name = "CulmSun(1)", .style = kUnderlined},
    {.name = "CulmHour(1)", .sample = "00"},
    {.name = "CulmMin(1)", .sample = "00"},
    {.name = "AltTransit(1)", .style = kUnderlined},
    {.name = "ATransit(1)", .sample = "-00", .style = kLarge},
    {.name = "Sunrise", .style = kUnderlined},
    {.name = "RiseHour", .sample = "00"},
    {.name = "RiseMin", .sample = "00"},
    {.name = "RiseAzim", .style = kUnderlined},
    {.name = "RAzim", .sample = "-000.0", .style = kLarge},
    {.name = "Sunset", .style = kUnderlined},
    {.name = "SetHour", .sample = "00"},
    {.name = "SetMin", .sample = "00"},
    {.name = "SetAzim", .style = kUnderlined},
    {.name = "SAzim", .sample = "-000.0", .style = kLarge},
};

// As the eye reads the window: the time row, the place row, the modes,
// then the buttons.
// The window's own order, kept as users of the keyboard know it.
constexpr ElementName kTabOrder[] = {
    "DateDay", "DateMonth", "DateYear", "TimeHour", "TimeMin", "TimeSec", "LongGrad", "LongMin", "LatGrad",
    "LatMin",  "Command1",  "Command2", "Timezon",  "Town",    "Option1", "Option2",  "List1",   "List2"};

// Each element's row in kLooks, or -1.
constexpr auto kRowOf = [] {
  std::array<int, ElementName::kCount> rows{};
  rows.fill(-1);
  for (std::size_t i = 0; i < std::size(kLooks); ++i) rows[kLooks[i].name.index()] = static_cast<int>(i);
  return rows;
}();

constexpr bool oneRowEach() {
  for (std::size_t i = 0; i < std::size(kLooks); ++i)
    if (kRowOf[kLooks[i].name.index()] != static_cast<int>(i)) return false;
  return true;
}
static_assert(oneRowEach(), "an element has two rows of looks");

}  // namespace

ElementLook lookOf(ElementName name) {
  const int row = kRowOf[name.index()];
  return row >= 0 ? kLooks[row] : ElementLook{.name = name};
}

std::span<const ElementName> tabOrder() { return kTabOrder; }

}  // namespace tessaly::qtview
