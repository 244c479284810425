#include "places/LocalMoment.h"

#include <cmath>

#include "engine/NumberReading.h"
#include "engine/WholeNumber.h"

namespace tessaly {

std::string dateText(date::local_days day) {
  const date::year_month_day ymd{day};
  return std::to_string(unsigned(ymd.day())) + "." + std::to_string(unsigned(ymd.month())) + "." +
         std::to_string(int(ymd.year()));
}

MomentTexts momentTexts(date::local_seconds local) {
  const auto day = date::floor<date::days>(local);
  const date::year_month_day ymd{day};
  const date::hh_mm_ss time{local - day};
  return {std::to_string(unsigned(ymd.day())),   std::to_string(unsigned(ymd.month())),
          std::to_string(int(ymd.year())),        std::to_string(time.hours().count()),
          std::to_string(time.minutes().count()), std::to_string(time.seconds().count())};
}

date::sys_seconds instantInZone(date::local_seconds local, const std::string& zoneText) {
  const double hours = single(numberOf(zoneText));
  return date::sys_seconds{local.time_since_epoch()} - std::chrono::seconds{std::llround(hours * 3600)};
}

}  // namespace tessaly
