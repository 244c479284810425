#include "almanac/CaptionsAlmanac.h"

namespace tessaly {
namespace {

constexpr CaptionRow kColumns[] = {
    {"date", "Date", "Дата"},
    {"time", "Local Time", "Местное время"},
    {"zone", "Timezone", "Часовой пояс"},
    {"doy", "Day of Year", "День года"},
    {"jd", "Julian Date", "Юлианская дата"},
    {"sid", "Sidereal Time", "Звездное время"},
    {"ra", "Right Ascension", "Пр. восх."},
    {"dec", "Declination", "Склонение"},
    {"lon", "Longitude", "Долгота"},
    {"lat", "Latitude", "Широта"},
    {"alt", "Altitude", "Высота"},
    {"app", "App. Altitude", "Вид. высота"},
    {"az", "Azimuth", "Азимут"},
    {"frac", "Fraction, %", "Доля, %"},
    {"age", "Moon's Age", "Возраст Луны"},
    {"dist", "Distance, km", "Расстояние, км"},
    {"distpct", "Distance, %", "Расстояние, %"},
    {"diam", "Diameter", "Диаметр"},
    {"rise", "Moon Rise", "Восход"},
    {"riseaz", "Rise Azimuth", "Азимут восхода"},
    {"set", "Moon Set", "Заход"},
    {"setaz", "Set Azimuth", "Азимут захода"},
    {"culm", "Upper Culm.", "Верх. кульм."},
    {"culmalt", "Upper Alt.", "Высота верх."},
    {"lculm", "Lower Culm.", "Нижн. кульм."},
    {"lculmalt", "Lower Alt.", "Высота нижн."},
    {"phase", "Phase", "Фаза"},
    {"next", "Next Phase", "Следующая фаза"},
    {"phases", "Moon Phases", "Фазы Луны"},
};

constexpr CaptionRow kMonths[] = {
    {"1", "Jan", "Янв"}, {"2", "Feb", "Фев"},  {"3", "Mar", "Мар"},  {"4", "Apr", "Апр"},
    {"5", "May", "Май"}, {"6", "Jun", "Июн"},  {"7", "Jul", "Июл"},  {"8", "Aug", "Авг"},
    {"9", "Sep", "Сен"}, {"10", "Oct", "Окт"}, {"11", "Nov", "Ноя"}, {"12", "Dec", "Дек"},
};

constexpr CaptionRow kGrid[] = {
    {"gridTitle", "Moon Rise and Moon Set", "Восход и заход Луны"},
    {"gridDay", "Day", "День"},
};

// The events of a calendar besides the phases, by column key.
constexpr CaptionRow kCalendar[] = {
    {"rise", "Moonrise", "Восход Луны"},
    {"set", "Moonset", "Заход Луны"},
    {"culm", "Upper culmination of the Moon", "Верхняя кульминация Луны"},
    {"lculm", "Lower culmination of the Moon", "Нижняя кульминация Луны"},
};

}  // namespace

std::span<const CaptionRow> almanacColumnCaptions() { return kColumns; }
std::span<const CaptionRow> almanacMonthCaptions() { return kMonths; }
std::span<const CaptionRow> almanacGridCaptions() { return kGrid; }
std::span<const CaptionRow> almanacCalendarCaptions() { return kCalendar; }

}  // namespace tessaly
