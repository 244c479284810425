#include "app/CliOptions.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "app/DateTimeText.h"
#include "app/UsageError.h"
#include "window/CalculateFields.h"
#include "window/WindowFields.h"

namespace tessaly::cli {
namespace {

std::string listed(const auto& names) {
  std::string list;
  for (std::string_view name : names) list += (list.empty() ? "" : ", ") + std::string(name);
  return list;
}

void requireOneOf(const std::string& option, const std::string& value, std::initializer_list<std::string_view> allowed) {
  if (std::ranges::find(allowed, value) == allowed.end())
    throw UsageError(option + " takes one of: " + listed(allowed));
}

// The fields --set gives a text: the window's boxes that take typing. The
// East/West and North/South lists are chosen by --lon and --lat, and no
// value field is read by Calculate.
bool settable(const ElementSpec& element) {
  return element.kind == ElementKind::Text || element.kind == ElementKind::Combo;
}

ElementName settableField(const std::string& field) {
  const auto found = ElementName::find(field);
  if (found && settable(found->row())) return *found;
  const auto elements = windowElements();
  std::vector<std::string_view> names;
  for (const ElementSpec& e : elements)
    if (settable(e)) names.push_back(e.name);
  throw UsageError("--set FIELD takes one of: " + listed(names));
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
    "  --set FIELD=TEXT       give an input box a raw text after the other options\n"
    "                         (repeatable), for example --set LongGrad=28abc; FIELD\n"
    "                         is DateDay DateMonth DateYear TimeHour TimeMin TimeSec\n"
    "                         Town LongGrad LongMin LatGrad LatMin or Timezon (not\n"
    "                         Timezon with --tz, nor a date or time field with --from\n"
    "                         or --year)\n"
    "  --json                 print every field as one JSON object\n"
    "  --tz AREA/CITY         time zone of the system's database, for example\n"
    "                         Europe/Berlin: the offset in force at each moment,\n"
    "                         in place of --zone, which it cannot go with\n"
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
    "  --step Nd|Nh|Nm|Ns     time between rows, a whole number of days, hours,\n"
    "                         minutes or seconds (default 1d)\n"
    "  --format FORMAT        table (default), csv, json (JSON Lines: the --json\n"
    "                         object of each row), grid, or ics (with --events:\n"
    "                         an iCalendar file of the phases, and of the rise,\n"
    "                         set and culminations that --fields names: phases\n"
    "                         rise set culm lculm; in universal time, or in the\n"
    "                         zone of --tz)\n"
    "  --fields LIST          columns by name or field, for example date,time,alt,az\n"
    "                         (date time zone doy jd sid ra dec lon lat alt app az\n"
    "                         frac age dist distpct diam rise riseaz set setaz culm\n"
    "                         culmalt lculm lculmalt phase next, phases with\n"
    "                         --events, or any field name of --json but List1, List2\n"
    "                         and message)\n"
    "  --events               one row per date: rise, set, culminations and the\n"
    "                         phases of that date, calculated at --time (default\n"
    "                         12:00)\n"
    "  --year YYYY            with --events --format grid: the year's table of\n"
    "                         moonrise and moonset\n"
    "  --pdf FILE             with --format grid: write the year's table to FILE\n"
    "                         as a one-page PDF, with the place and zone\n"
    "  --paper a4|letter      the PDF's paper, landscape (default a4)\n"
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
      if (i + 1 >= argc) throw UsageError(arg + " needs a value");
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
    else if (arg == "--pdf") o.pdf = value();
    else if (arg == "--paper") {
      o.paper = value();
      requireOneOf(arg, *o.paper, {"a4", "letter"});
    }
    else if (arg == "--format") {
      o.format = value();
      requireOneOf(arg, *o.format, {"table", "csv", "json", "grid", "ics"});
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
      if (eq == std::string::npos || eq == 0) throw UsageError("--set takes FIELD=TEXT");
      o.sets.push_back({settableField(assignment.substr(0, eq)), assignment.substr(eq + 1)});
    } else {
      throw UsageError("unknown option " + arg);
    }
  }
  return o;
}

bool wantsAlmanac(const Options& o) {
  return o.from || o.to || o.days || o.step || o.format || o.fields || o.year || o.events || o.pdf || o.paper;
}

void refuseConflicts(const Options& o) {
  if (o.tz && o.zone) throw UsageError("--tz conflicts with --zone");
  // Every other field takes its --set text after the other options.
  const auto dateAndTime = dateAndTimeFields();
  for (const auto& [field, text] : o.sets) {
    if (field == "Timezon" && o.tz) throw UsageError("--set Timezon conflicts with --tz");
    if (wantsAlmanac(o) && std::ranges::find(dateAndTime, field) != dateAndTime.end())
      throw UsageError("--set " + std::string(field.text()) + " conflicts with " + (o.year ? "--year" : "--from") +
                       ", whose rows set the date and time");
  }
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) parts.emplace_back();
    else parts.back().push_back(c);
  }
  return parts;
}

FieldTexts angleFields(const std::string& option, const std::string& angle, ElementName degreesField, ElementName minutesField,
                       char positive, char negative, int& entry) {
  const std::string hint = option + " takes DEG[:MIN]" + positive + "|" + negative;
  if (angle.empty()) throw UsageError(hint);
  const char side = static_cast<char>(std::toupper(static_cast<unsigned char>(angle.back())));
  if (side != positive && side != negative) throw UsageError(hint);
  entry = side == negative ? 1 : 0;
  const auto parts = splitAt(angle.substr(0, angle.size() - 1), ':');
  if (parts.size() > 2) throw UsageError(hint);
  return {{degreesField, parts[0]}, {minutesField, parts.size() == 2 ? parts[1] : "0"}};
}

}  // namespace tessaly::cli
