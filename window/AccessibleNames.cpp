#include "window/AccessibleNames.h"

namespace tessaly {
namespace {

constexpr ElementCaption kNames[] = {
    // Inputs, lists and option buttons
    {"DateDay", "Date, day", "Дата, день"},
    {"DateMonth", "Date, month", "Дата, месяц"},
    {"DateYear", "Date, year", "Дата, год"},
    {"TimeHour", "Local Time, hours", "Местное время, часы"},
    {"TimeMin", "Local Time, minutes", "Местное время, минуты"},
    {"TimeSec", "Local Time, seconds", "Местное время, секунды"},
    {"Town", "Location, town", "Место, город"},
    {"LongGrad", "Longitude, degrees", "Долгота, градусы"},
    {"LongMin", "Longitude, minutes", "Долгота, минуты"},
    {"List1", "Longitude, East or West", "Долгота, восток или запад"},
    {"LatGrad", "Latitude, degrees", "Широта, градусы"},
    {"LatMin", "Latitude, minutes", "Широта, минуты"},
    {"List2", "Latitude, North or South", "Широта, север или юг"},
    {"Timezon", "Timezone, hours", "Часовой пояс, часы"},
    {"Option1", "Real time tracking", "Автомат"},
    {"Option2", "Manual", "Ручной"},
    // Values
    {"DOY", "Day of Year", "День года"},
    {"SidHour", "Sidereal Time, hours", "Звездное время, часы"},
    {"SidMin", "Sidereal Time, minutes", "Звездное время, минуты"},
    {"SidSec", "Sidereal Time, seconds", "Звездное время, секунды"},
    {"JulianDate", "Julian Date", "Юлианская дата"},
    {"LongSun", "Moon's Longitude, degrees", "Долгота Луны, градусы"},
    {"LatLuna", "Moon's Latitude, degrees", "Широта Луны, градусы"},
    {"RAHour", "Right Ascension, hours", "Прямое восхождение, часы"},
    {"RAMin", "Right Ascension, minutes", "Прямое восхождение, минуты"},
    {"RASec", "Right Ascension, seconds", "Прямое восхождение, секунды"},
    {"Label33", "Declination, sign", "Склонение, знак"},
    {"DeclGrad", "Declination, degrees", "Склонение, градусы"},
    {"DeclMin", "Declination, minutes", "Склонение, минуты"},
    {"DeclSec", "Declination, seconds", "Склонение, секунды"},
    {"AltTrue", "True Altitude, degrees", "Истинная высота, градусы"},
    {"AltApp", "Apparent Altitude, degrees", "Видимая высота, градусы"},
    {"AzimTrue", "Azimuth, degrees", "Азимут, градусы"},
    {"Distkm", "Distance from Earth, km", "Расстояние от Земли, км"},
    {"DistPer", "Distance from Earth, percent of the mean", "Расстояние от Земли, процент от среднего"},
    {"DiamMin", "Moon's angular diameter, minutes", "Угловой диаметр, минуты"},
    {"DiamSec", "Moon's angular diameter, seconds", "Угловой диаметр, секунды"},
    {"Fraction", "Fraction illuminated, percent", "Освещенная доля диска Луны, проценты"},
    {"Label37", "Moon's Age, days", "Возраст Луны, дни"},
    {"Phase1", "First phase", "Первая фаза"},
    {"DatePhase1", "First phase, date and time", "Первая фаза, дата и время"},
    {"Phase2", "Second phase", "Вторая фаза"},
    {"DatePhase2", "Second phase, date and time", "Вторая фаза, дата и время"},
    {"CulmHour(0)", "Upper culmination, hours", "Верхняя кульминация, часы"},
    {"CulmMin(0)", "Upper culmination, minutes", "Верхняя кульминация, минуты"},
    {"ATransit(0)", "Upper culmination, altitude", "Верхняя кульминация, высота"},
    {"CulmHour(1)", "Lower culmination, hours", "Нижняя кульминация, часы"},
    {"CulmMin(1)", "Lower culmination, minutes", "Нижняя кульминация, минуты"},
    {"ATransit(1)", "Lower culmination, altitude", "Нижняя кульминация, высота"},
    {"RiseHour", "Moon Rise, hours", "Восход, часы"},
    {"RiseMin", "Moon Rise, minutes", "Восход, минуты"},
    {"RAzim", "Moon Rise, azimuth", "Восход, азимут"},
    {"SetHour", "Moon Set, hours", "Заход, часы"},
    {"SetMin", "Moon Set, minutes", "Заход, минуты"},
    {"SAzim", "Moon Set, azimuth", "Заход, азимут"},
};

}  // namespace

std::span<const ElementCaption> accessibleNames() { return kNames; }

}  // namespace tessaly
