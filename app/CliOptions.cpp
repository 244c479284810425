#include "app/CliOptions.h"

#include <cctype>
#include <stdexcept>
#include <string_view>

namespace tessaly::cli {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : text) {
    if (c == separator) {
      parts.push_back(part);
      part.clear();
    } else {
      part.push_back(c);
    }
  }
  parts.push_back(part);
  return parts;
}

void requireOneOf(const std::string& option, const std::string& value, std::initializer_list<std::string_view> allowed) {
  for (std::string_view a : allowed)
    if (value == a) return;
  throw std::invalid_argument(option + " takes one of: " + [&] {
    std::string list;
    for (std::string_view a : allowed) list += (list.empty() ? "" : ", ") + std::string(a);
    return list;
  }());
}

}  // namespace

const char* const kUsage =
    "Usage: tessaly-cli [options]\n"
    "Computes the Moon's position, phases, rise, set and culminations for a\n"
    "moment and a place, exactly as the Tessaly window's Calculate does.\n"
    "\n"
    "  --date D.M.YYYY        local civil date (default: today)\n"
    "  --time H:M[:S]         local civil time (default: now)\n"
    "  --zone HOURS           time zone, local time minus UT, east positive\n"
    "  --lon DEG[:MIN]E|W     longitude, for example 30:15E\n"
    "  --lat DEG[:MIN]N|S     latitude, for example 45:00N\n"
    "  --azimuth REFERENCE    north (0-360), south (0-360) or south-signed (-180..+180)\n"
    "  --lang en|ru           language of the names and captions\n"
    "  --set FIELD=TEXT       give an input field a raw text (repeatable, applied last),\n"
    "                         for example --set LongGrad=28abc\n"
    "  --json                 print every field as one JSON object\n"
    "  --tz AREA/CITY         time zone of the system's database, for example\n"
    "                         Europe/Berlin: the offset in force at each moment\n"
    "  --place TEXT           the town of the gazetteer that best matches TEXT:\n"
    "                         its longitude, latitude and zone (--lon, --lat,\n"
    "                         --zone and --tz given as well take precedence)\n"
    "  --places TEXT          list the towns matching TEXT, best first, one per\n"
    "                         line: name, region, country, latitude, longitude\n"
    "                         and zone, separated by tabs\n"
    "  --help                 show this text\n"
    "  --version              show the program's name and version\n"
    "\n"
    "Almanac: one row per moment over a range of dates.\n"
    "  --from D.M.YYYY        first date of the range\n"
    "  --to D.M.YYYY          last date of the range, included\n"
    "  --days N               or the number of dates in the range\n"
    "  --time H:M[:S]         local time of the first row (default 0:00)\n"
    "  --step 1d|Nh|Nm|Ns     time between rows (default 1d)\n"
    "  --format FORMAT        table (default), csv, json (JSON Lines: the --json\n"
    "                         object of each row) or grid\n"
    "  --fields LIST          columns by name or field, for example date,time,alt,az\n"
    "                         (date time zone doy jd sid ra dec lon lat alt app az\n"
    "                         frac age dist distpct diam rise riseaz set setaz culm\n"
    "                         culmalt lculm lculmalt phase next phases, or any field\n"
    "                         name of --json)\n"
    "  --events               one row per date: rise, set, culminations and the\n"
    "                         phases of that date, calculated at --time (default\n"
    "                         12:00)\n"
    "  --year YYYY            with --events --format grid: the year's table of\n"
    "                         moonrise and moonset\n"
    "\n"
    "Without a place, zone, language or azimuth reference the saved settings of\n"
    "the window are used ($XDG_CONFIG_HOME/tessaly.ini or ~/.config/tessaly.ini),\n"
    "with the named zone the window was saved linked to.\n"
    "Exit status: 0 done, 2 an input was refused (message on standard error),\n"
    "64 usage error, 74 the output could not be written.\n";

Options parseOptions(int argc, const char* const* argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
      return argv[++i];
    };
    if (arg == "--help" || arg == "-h") o.help = true;
    else if (arg == "--version") o.version = true;
    else if (arg == "--json") o.json = true;
    else if (arg == "--events") o.events = true;
    else if (arg == "--from") o.from = value();
    else if (arg == "--to") o.to = value();
    else if (arg == "--days") o.days = value();
    else if (arg == "--step") o.step = value();
    else if (arg == "--fields") o.fields = value();
    else if (arg == "--year") o.year = value();
    else if (arg == "--tz") o.tz = value();
    else if (arg == "--place") o.place = value();
    else if (arg == "--places") o.places = value();
    else if (arg == "--format") {
      o.format = value();
      requireOneOf(arg, *o.format, {"table", "csv", "json", "grid"});
    }
    else if (arg == "--date") o.date = value();
    else if (arg == "--time") o.time = value();
    else if (arg == "--zone") o.zone = value();
    else if (arg == "--lon") o.lon = value();
    else if (arg == "--lat") o.lat = value();
    else if (arg == "--azimuth") {
      o.azimuth = value();
      requireOneOf(arg, *o.azimuth, {"north", "south", "south-signed"});
    } else if (arg == "--lang") {
      o.lang = value();
      requireOneOf(arg, *o.lang, {"en", "ru"});
    } else if (arg == "--set") {
      const std::string assignment = value();
      const auto eq = assignment.find('=');
      if (eq == std::string::npos || eq == 0) throw std::invalid_argument("--set takes FIELD=TEXT");
      requireOneOf("--set FIELD", assignment.substr(0, eq),
                   {"DateDay", "DateMonth", "DateYear", "TimeHour", "TimeMin", "TimeSec", "LongGrad",
                    "LongMin", "LatGrad", "LatMin", "Timezon", "Town"});
      o.sets.emplace_back(assignment.substr(0, eq), assignment.substr(eq + 1));
    } else {
      throw std::invalid_argument("unknown option " + arg);
    }
  }
  return o;
}

FieldTexts dateFields(const std::string& date) {
  const auto parts = split(date, '.');
  if (parts.size() != 3) throw std::invalid_argument("--date takes D.M.YYYY");
  return {{"DateDay", parts[0]}, {"DateMonth", parts[1]}, {"DateYear", parts[2]}};
}

FieldTexts timeFields(const std::string& time) {
  const auto parts = split(time, ':');
  if (parts.size() < 2 || parts.size() > 3) throw std::invalid_argument("--time takes H:M[:S]");
  return {{"TimeHour", parts[0]}, {"TimeMin", parts[1]}, {"TimeSec", parts.size() == 3 ? parts[2] : "0"}};
}

FieldTexts angleFields(const std::string& option, const std::string& angle, const char* degreesField, const char* minutesField,
                       char positive, char negative, int& entry) {
  const std::string hint = option + " takes DEG[:MIN]" + positive + "|" + negative;
  if (angle.empty()) throw std::invalid_argument(hint);
  const char side = static_cast<char>(std::toupper(static_cast<unsigned char>(angle.back())));
  if (side != positive && side != negative) throw std::invalid_argument(hint);
  entry = side == negative ? 1 : 0;
  const auto parts = split(angle.substr(0, angle.size() - 1), ':');
  if (parts.size() > 2) throw std::invalid_argument(hint);
  return {{degreesField, parts[0]}, {minutesField, parts.size() == 2 ? parts[1] : "0"}};
}

}  // namespace tessaly::cli
