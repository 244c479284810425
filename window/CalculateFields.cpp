#include "window/CalculateFields.h"

namespace tessaly {
namespace {

constexpr std::string_view kFields[] = {
    "DateDay", "DateMonth", "DateYear", "TimeHour", "TimeMin", "TimeSec", "LongGrad", "LongMin",
    "LatGrad", "LatMin", "Timezon", "DOY", "JulianDate", "SidHour", "SidMin", "SidSec", "Fraction",
    "RAHour", "RAMin", "RASec", "Label33", "DeclGrad", "DeclMin", "DeclSec", "AltTrue", "AzimTrue",
    "AltApp", "LongSun", "LatLuna", "Distkm", "DistPer", "DiamMin", "DiamSec", "Label37", "Phase1",
    "DatePhase1", "Phase2", "DatePhase2", "RiseHour", "RiseMin", "RAzim", "SetHour", "SetMin",
    "SAzim", "CulmHour(0)", "CulmMin(0)", "ATransit(0)", "CulmHour(1)", "CulmMin(1)", "ATransit(1)",
};

}  // namespace

std::span<const std::string_view> calculateFields() { return kFields; }

}  // namespace tessaly
