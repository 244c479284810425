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
};

}  // namespace

std::span<const CaptionRow> additionCaptions() { return kAdditions; }

std::string_view additionCaption(std::string_view control, Language language) {
  return captionOf(kAdditions, control, language);
}

Language languageInForce(const WindowModel& window) {
  return window.text("Command1") == "Cancel" ? Language::English : Language::Russian;
}

}  // namespace tessaly
