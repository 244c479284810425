#include "window/CalculateFields.h"

namespace tessaly {
namespace {

constexpr ElementName kFields[] = {
    "DateDay", "DateMonth", "DateYear", "TimeHour", "TimeMin", "TimeSec", "LongGrad", "LongMin",
    "LatGrad", "LatMin", "Timezon", "DOY", "JulianDate", "SidHour", "SidMin", "SidSec", "Fraction",
    "RAHour", "RAMin", "RASec", "Label33", "DeclGrad", "DeclMin", "DeclSec", "AltTrue", "AzimTrue",
    "AltApp", "LongSun", "LatLuna", "Distkm", "DistPer", "DiamMin", "DiamSec", "Label37", "Phase1",
    "DatePhase1", "Phase2", "DatePhase2", "RiseHour", "RiseMin", "RAzim", "SetHour", "SetMin",
    "SAzim", "CulmHour(0)", "CulmMin(0)", "ATransit(0)", "CulmHour(1)", "CulmMin(1)", "ATransit(1)",
};

}  // namespace

std::span<const ElementName> calculateFields() { return kFields; }

// The table begins with them.
std::span<const ElementName> inputFields() { return std::span(kFields).first(11); }
std::span<const ElementName> dateAndTimeFields() { return inputFields().first(6); }
std::span<const ElementName> placeFields() { return inputFields().subspan(6); }

}  // namespace tessaly
