#include "window/CaptionsAdditions.h"

namespace tessaly {
namespace {

constexpr CaptionRow kAdditions[] = {
    // The menu, after Settings.
    {"meAlmanac", "&Almanac", "&Альманах"},
    {"meMonthTable", "&Month table…", "&Таблица месяца…"},
    {"meDayChart", "&Day chart…", "&График дня…"},
    // The almanac window.
    {"AlmanacWindow", "Tessaly Almanac", "Альманах Tessaly"},
    {"MonthTab", "&Month", "&Месяц"},
    {"DayTab", "&Day", "&День"},
    {"PreviousMonth", "< &Previous", "< &Предыдущий"},
    {"NextMonth", "&Next >", "&Следующий >"},
    {"MonthPicker", "Month:", "Месяц:"},
    {"ExportCsv", "&Export CSV…", "&Экспорт CSV…"},
    {"ExportIcs", "Export &iCalendar…", "Экспорт &iCalendar…"},
    {"CopyTable", "&Copy", "&Копировать"},
    // The year tab: its grid, and what a screen reader says of a cell.
    {"YearTab", "&Year", "&Год"},
    {"PreviousYear", "< &Previous", "< &Предыдущий"},
    {"NextYear", "&Next >", "&Следующий >"},
    {"YearPicker", "Year:", "Год:"},
    {"YearTable", "Moonrise and moonset by day and month", "Восход и заход Луны по дням и месяцам"},
    {"YearCellSpoken", "%1 %2: rise %3, set %4", "%1 %2: восход %3, заход %4"},
    {"MidnightFraction", "Fraction at 0:00, %", "Доля в 0:00, %"},
    {"CsvFiles", "CSV files (*.csv)", "Файлы CSV (*.csv)"},
    {"PrintPage", "P&rint…", "Пе&чать…"},
    {"ExportPdf", "Export PD&F…", "Экспорт &PDF…"},
    {"PdfFiles", "PDF files (*.pdf)", "Файлы PDF (*.pdf)"},
    {"IcsFiles", "iCalendar files (*.ics)", "Файлы iCalendar (*.ics)"},
    {"CsvWriteFailed", "Could not write the file.", "Не удалось записать файл."},
    // The day chart; %1 and %2 are filled in.
    {"ChartTitle", "Altitude of the Moon on %1", "Высота Луны %1"},
    {"ChartTimeAxis", "Local time, h", "Местное время, ч"},
    {"ChartAltitudeAxis", "Altitude, °", "Высота, °"},
    {"ChartRise", "Rise", "Восход"},
    {"ChartSet", "Set", "Заход"},
    {"ChartUpper", "Upper culm.", "Верх. кульм."},
    {"ChartLower", "Lower culm.", "Ниж. кульм."},
    {"ChartTip", "%1, altitude %2°", "%1, высота %2°"},
    // What a screen reader hears of the day chart.
    {"SayRise", "Rise at %1, azimuth %2°", "Восход в %1, азимут %2°"},
    {"SaySet", "Set at %1, azimuth %2°", "Заход в %1, азимут %2°"},
    {"SayUpper", "Upper culmination at %1, altitude %2°", "Верхняя кульминация в %1, высота %2°"},
    {"SayLower", "Lower culmination at %1, altitude %2°", "Нижняя кульминация в %1, высота %2°"},
    {"SayMarker", "Marker at %1, altitude %2°", "Отметка в %1, высота %2°"},
    {"SayCursor", "Arrow keys move along the curve", "Стрелки ведут по кривой"},
    {"Today", "today", "сегодня"},
    {"DayChart", "Altitude of the Moon across the day", "Высота Луны в течение суток"},
    // Where to look: the sky path, its compass and its spoken description.
    {"SkyPath", "Path of the Moon across the sky", "Путь Луны по небу"},
    {"SkyNorth", "N", "С"},
    {"SkyEast", "E", "В"},
    {"SkySouth", "S", "Ю"},
    {"SkyWest", "W", "З"},
    {"SkyRises", "Rises at %1 in the %2.", "Восходит в %1 на %2."},
    {"SkyHighest", "Highest at %1 in the %2 at %3°.", "Выше всего в %1 на %2, на высоте %3°."},
    {"SkySets", "Sets at %1 in the %2.", "Заходит в %1 на %2."},
    {"SkyAlwaysUp", "Above the horizon all day.", "Весь день над горизонтом."},
    {"SkyNeverUp", "Below the horizon all day.", "Весь день под горизонтом."},
    {"Compass0", "north", "севере"},
    {"Compass1", "north-northeast", "северо-северо-востоке"},
    {"Compass2", "northeast", "северо-востоке"},
    {"Compass3", "east-northeast", "востоко-северо-востоке"},
    {"Compass4", "east", "востоке"},
    {"Compass5", "east-southeast", "востоко-юго-востоке"},
    {"Compass6", "southeast", "юго-востоке"},
    {"Compass7", "south-southeast", "юго-юго-востоке"},
    {"Compass8", "south", "юге"},
    {"Compass9", "south-southwest", "юго-юго-западе"},
    {"Compass10", "southwest", "юго-западе"},
    {"Compass11", "west-southwest", "западо-юго-западе"},
    {"Compass12", "west", "западе"},
    {"Compass13", "west-northwest", "западо-северо-западе"},
    {"Compass14", "northwest", "северо-западе"},
    {"Compass15", "north-northwest", "северо-северо-западе"},
    {"MonthTable", "Moon rise, set, culminations and phases by date", "Восход, заход, кульминации и фазы Луны по датам"},
    // The picture of the Moon as it is lit.
    {"MoonPicture", "Moon as it is lit now", "Луна, как она освещена сейчас"},
    {"LookNew", "New Moon", "Новолуние"},
    {"LookWaxingCrescent", "Waxing crescent", "Растущий серп"},
    {"LookFirstQuarter", "First quarter", "Первая четверть"},
    {"LookWaxingGibbous", "Waxing gibbous", "Растущая Луна"},
    {"LookFull", "Full Moon", "Полнолуние"},
    {"LookWaningGibbous", "Waning gibbous", "Убывающая Луна"},
    {"LookLastQuarter", "Last quarter", "Последняя четверть"},
    {"LookWaningCrescent", "Waning crescent", "Убывающий серп"},
    {"LookName", "%1, %2 % illuminated", "%1, освещено %2 %"},
    {"LookLitRight", "Lit on the right, as seen from the %1 hemisphere",
     "Освещена справа, вид из %1 полушария"},
    {"LookLitLeft", "Lit on the left, as seen from the %1 hemisphere", "Освещена слева, вид из %1 полушария"},
    {"LookNorthern", "northern", "северного"},
    {"LookSouthern", "southern", "южного"},
    // Places: the menu after the Almanac, the dialog that finds a town and
    // the linked zone shown under them; %1 is filled in.
    {"mePlace", "&Place", "&Место"},
    {"meFindPlace", "&Find place…", "&Найти место…"},
    {"meUnlinkZone", "&Unlink time zone", "&Отвязать часовой пояс"},
    {"PlaceDialog", "Find place", "Найти место"},
    {"PlaceSearchLabel", "&Town:", "&Город:"},
    {"PlaceSearch", "Town to find", "Искомый город"},
    {"PlaceList", "Places found", "Найденные места"},
    {"PlaceTown", "Town", "Город"},
    {"PlaceRegion", "Region", "Регион"},
    {"PlaceCountry", "Country", "Страна"},
    {"PlaceZone", "Time zone", "Часовой пояс"},
    {"PlaceCoordinates", "Coordinates", "Координаты"},
    {"PlaceNorth", "N", "с. ш."},
    {"PlaceSouth", "S", "ю. ш."},
    {"PlaceEast", "E", "в. д."},
    {"PlaceWest", "W", "з. д."},
    {"PlaceCount", "Places found: %1", "Найдено мест: %1"},
    {"PlaceNone", "No place found", "Место не найдено"},
    {"PlaceNoGazetteer", "The gazetteer could not be read", "Не удалось прочитать справочник мест"},
    {"PlaceStatus", "Search result", "Результат поиска"},
    {"PlaceChoose", "&Choose", "&Выбрать"},
    {"PlaceCancel", "Cancel", "Отмена"},
    {"LinkedZone", "Linked time zone", "Связанный часовой пояс"},
    {"LinkedZoneShown", "Time zone: %1", "Часовой пояс: %1"},
    {"LinkedZoneTip", "The Timezone box follows the clock changes of %1; typing into it unlinks the zone",
     "Поле «Часовой пояс» следует переходам часов пояса %1; ввод в него отвязывает пояс"},
    // At start-up, for a saved zone whose file is damaged or gone.
    {"ZoneNotRestored",
     "The saved time zone %1 could not be read from the system's time zone database; the Timezone box keeps "
     "the saved offset %2.",
     "Не удалось прочитать сохранённый часовой пояс %1 из базы часовых поясов системы; в поле «Часовой пояс» "
     "остаётся сохранённое смещение %2."},
    // At new and full Moon no side is lit more than the other.
    {"LookAllDark", "The disk is dark", "Диск не освещён"},
    {"LookAllLit", "The whole disk is lit", "Диск освещён целиком"},
};

}  // namespace

std::span<const CaptionRow> additionCaptions() { return kAdditions; }

std::string_view additionCaption(std::string_view control, Language language) {
  return captionOf(kAdditions, control, language);
}

std::string filledCaption(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t number = i + 1 < pattern.size() && pattern[i] == '%' ? pattern[i + 1] - '1' : values.size();
    if (number < values.size()) {
      text += values.begin()[number];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

Language languageInForce(const WindowModel& window) {
  return window.text("Command1") == "Cancel" ? Language::English : Language::Russian;
}

}  // namespace tessaly
