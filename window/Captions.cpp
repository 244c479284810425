#include "window/Captions.h"

namespace tessaly {
namespace {

constexpr ElementCaption kHead[] = {
    {"Label32", "TESSALY", "Tessaly"},
    {"Date", "Date", "Дата"},
    {"DayYear", "Day of Year", "День года"},
    {"LocalTime", "Local Time", "Местное время"},
    {"SidTime", "Sidereal Time", "Звездное время"},
    {"LocSet", "Location:", "Место"},
    {"Longitude", "Longitude", "Долгота"},
    {"Latitude", "Latitude", "Широта"},
    {"TimZon", "Timezone", "Часовой пояс"},
};

constexpr ElementCaption kEastWestCaptions[] = {
    {"List1", "East", "Вост."},
    {"List1", "West", "Зап."},
};

constexpr ElementCaption kNorthSouthCaptions[] = {
    {"List2", "North", "Сев."},
    {"List2", "South", "Южн."},
};

constexpr ElementCaption kTail[] = {
    {"CoordSun", "Coordinates of Moon", "Координаты Луны"},
    {"RASun", "Right Ascension", "Пр. восх."},
    {"Longit", "Longitude", "Долгота"},
    {"Latit", "Latitude", "Широта"},
    {"DeclSun", "Declination", "Склонение"},
    {"AltSun", "Altitude", "Высота"},
    {"AzimSun", "Azimuth", "Азимут"},
    {"Tru", "True", "Ист."},
    {"App", "App.", "Вид."},
    {"Phase", "Fraction illuminated", "Освещенная доля диска Луны"},
    {"Label36", "Moon's Age", "Возраст Луны"},
    {"Distance", "Distance from Earth", "Расстояние от Земли"},
    {"DiamSun", "Moon's angular diameter", "Угловой диаметр"},
    {"CulmSun(0)", "Upper culmination", "Верхняя кульминация"},
    {"AltTransit(0)", "Altitude", "Высота"},
    {"CulmSun(1)", "Lower culmination", "Нижняя кульминация"},
    {"AltTransit(1)", "Altitude", "Высота"},
    {"Sunrise", "Moon Rise", "Восход"},
    {"RiseAzim", "Azimuth", "Азимут"},
    {"Sunset", "Moon Set", "Заход"},
    {"SetAzim", "Azimuth", "Азимут"},
    {"Label25", "Moon Phases", "Фазы Луны"},
    {"Label30", "Choice of a mode", "Выбор режима"},
    {"Label28", "Real time tracking", "Автомат"},
    {"Label29", "Manual", "Ручной"},
    {"Command2", "Calculate", "Вычислить"},
    {"Command1", "Cancel", "Конец"},
    {"me1", "&Settings", "&Настройки"},
    {"me1_1", "&Timer interval", "&Интервал обновления"},
    {"me1_2", "&1 sec", "&1 сек"},
    {"me1_3", "&3 sec", "&3 сек"},
    {"me1_4", "&5 sec", "&5 сек"},
    {"me1_5", "&10 sec", "&10 сек"},
    {"me1_8", "&Language", "&Язык"},
    {"me1_9", "&English", "&Английский"},
    {"me1_10", "&Russian", "&Русский"},
    {"me1_7", "&Save settings", "&Сохранить настройки"},
    {"me1_6", "&Exit", "&Выход"},
    {"me1_11", "&Azimuth", "&Азимут"},
    {"me1_12", "&From North(0-360)", "&От севера(0-360)"},
    {"me1_13", "&From South(0-360)", "&От юга(0-360)"},
    {"me1_14", "&From South(-180+180)", "&От юга(-180+180)"},
    {"me2", "&Help", "&Помощь"},
    {"me2_1", "About program", "&О программе"},
};

constexpr AboutTexts kAboutEnglish{
    "frmAbout",
    "About Tessaly",
    {"Tessaly, Version 2.0",
     "Written by the Tessaly authors, 2010-2026",
     "Tessaly Project\nAmateur Astronomy Software\nFree Software Workshop",
     "This program may be copied and given away freely.",
     "All rights reserved."},
    "OK",
};

constexpr AboutTexts kAboutRussian{
    "frmAbout_rus",
    "О Tessaly",
    {"Tessaly. Версия 2.0",
     "Авторы Tessaly, 2010-2026",
     "Проект Tessaly\nПрограммы для любителей астрономии\nМастерская свободных программ",
     "Программу можно свободно копировать и передавать.",
     "Приятной работы!"},
    "OK",
};

}  // namespace

std::span<const ElementCaption> headCaptions() { return kHead; }
std::span<const ElementCaption> eastWestEntries() { return kEastWestCaptions; }
std::span<const ElementCaption> northSouthEntries() { return kNorthSouthCaptions; }
std::span<const ElementCaption> tailCaptions() { return kTail; }

const AboutTexts& aboutTexts(Language language) {
  return language == Language::English ? kAboutEnglish : kAboutRussian;
}

std::string_view captionOf(std::span<const CaptionRow> table, std::string_view key, Language language) {
  for (const CaptionRow& row : table)
    if (row.control == key) return row.in(language);
  return key;
}

}  // namespace tessaly
