#include "almanac/Columns.h"

#include <algorithm>
#include <stdexcept>

#include "almanac/CaptionsAlmanac.h"
#include "window/CalculateFields.h"

namespace tessaly::almanac {
namespace {

// Widths are those of the widest texts the fields can show.
const std::vector<Column>& keyedColumns() {
  static const std::vector<Column> kColumns = {
      {"date", {{"DateDay", "."}, {"DateMonth", "."}, {"DateYear", ""}}, 10},
      {"time", {{"TimeHour", ":"}, {"TimeMin", ":"}, {"TimeSec", ""}}, 8},
      {"zone", {{"Timezon", ""}}, 6},
      {"doy", {{"DOY", ""}}, 3},
      {"jd", {{"JulianDate", ""}}, 13},
      {"sid", {{"SidHour", ":"}, {"SidMin", ":"}, {"SidSec", ""}}, 8},
      {"ra", {{"RAHour", ":"}, {"RAMin", ":"}, {"RASec", ""}}, 8},
      {"dec", {{"Label33", ""}, {"DeclGrad", ":"}, {"DeclMin", ":"}, {"DeclSec", ""}}, 9},
      {"lon", {{"LongSun", ""}}, 8},
      {"lat", {{"LatLuna", ""}}, 7},
      {"alt", {{"AltTrue", ""}}, 5},
      {"app", {{"AltApp", ""}}, 8},
      {"az", {{"AzimTrue", ""}}, 11},
      {"frac", {{"Fraction", ""}}, 4},
      {"age", {{"Label37", ""}}, 6},
      {"dist", {{"Distkm", ""}}, 6},
      {"distpct", {{"DistPer", ""}}, 5},
      {"diam", {{"DiamMin", ":"}, {"DiamSec", ""}}, 5},
      {"rise", {{"RiseHour", ":"}, {"RiseMin", ""}}, 5, true},
      {"riseaz", {{"RAzim", ""}}, 6},
      {"set", {{"SetHour", ":"}, {"SetMin", ""}}, 5, true},
      {"setaz", {{"SAzim", ""}}, 6},
      {"culm", {{"CulmHour(0)", ":"}, {"CulmMin(0)", ""}}, 5, true},
      {"culmalt", {{"ATransit(0)", ""}}, 5},
      {"lculm", {{"CulmHour(1)", ":"}, {"CulmMin(1)", ""}}, 5, true},
      {"lculmalt", {{"ATransit(1)", ""}}, 5},
      {"phase", {{"Phase1", " "}, {"DatePhase1", ""}}, 27},
      {"next", {{"Phase2", " "}, {"DatePhase2", ""}}, 27},
      {kPhasesKey, {}, 16},
  };
  return kColumns;
}

// The fields that show a phase's date and time in one text.
constexpr ElementName kPhaseDateFields[] = {"DatePhase1", "DatePhase2"};

constexpr std::string_view kEventKeys[] = {"date",   "zone",  "rise",    "riseaz",   "set",      "setaz",
                                           "culm",   "culmalt", "lculm", "lculmalt", kPhasesKey};

std::vector<Column> columnsOf(std::initializer_list<std::string_view> keys, bool withZone) {
  std::vector<Column> columns;
  for (std::string_view key : keys) columns.push_back(*findColumn(key));
  if (withZone) {
    auto at = std::ranges::find(columns, "time", &Column::key);
    if (at == columns.end()) at = std::ranges::find(columns, "date", &Column::key);
    columns.insert(at + 1, *findColumn("zone"));
  }
  return columns;
}

}  // namespace

std::optional<Column> findColumn(std::string_view name) {
  for (const Column& c : keyedColumns())
    if (c.key == name) return c;
  for (ElementName field : calculateFields())
    if (field.text() == name) return Column{field.text(), {{field, ""}}, std::max<std::size_t>(name.size(), 13)};
  return std::nullopt;
}

std::vector<Column> parseColumns(std::string_view list) {
  std::vector<Column> columns;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = list.find(',', start);
    const std::string_view name = list.substr(start, comma == std::string_view::npos ? list.npos : comma - start);
    std::optional<Column> column = findColumn(name);
    if (!column) throw std::invalid_argument("--fields knows no field \"" + std::string(name) + "\"");
    columns.push_back(std::move(*column));
    if (comma == std::string_view::npos) return columns;
    start = comma + 1;
  }
}

std::vector<Column> defaultMomentColumns(bool withZone) {
  return columnsOf({"date", "time", "alt", "az", "frac", "rise", "set", "phase"}, withZone);
}

std::vector<Column> defaultEventColumns(bool withZone) {
  return columnsOf({"date", "rise", "riseaz", "set", "setaz", "culm", "culmalt", "lculm", "lculmalt", kPhasesKey},
                   withZone);
}

bool isEventColumn(const Column& column) {
  return std::ranges::find(kEventKeys, column.key) != std::end(kEventKeys);
}

std::string withTwoDigitMinutes(std::string text) {
  const std::size_t colon = text.rfind(':');
  if (colon != std::string::npos && text.size() == colon + 2) text.insert(colon + 1, 1, '0');
  return text;
}

std::vector<std::string_view> columnFields(const std::vector<Column>& columns) {
  std::vector<std::string_view> fields;
  for (const Column& c : columns)
    for (const ColumnPart& part : c.parts) fields.push_back(part.field.text());
  return fields;
}

std::string columnText(const Column& column, const FieldStore& fields) {
  std::string text;
  appendColumnText(column, fields, text);
  return text;
}

void appendColumnText(const Column& column, const FieldStore& fields, std::string& text) {
  bool afterColon = false;
  for (const ColumnPart& part : column.parts) {
    const bool phaseDate = std::ranges::find(kPhaseDateFields, part.field) != std::end(kPhaseDateFields);
    const std::string field =
        phaseDate ? withTwoDigitMinutes(fields.text(part.field.text())) : fields.text(part.field.text());
    // An event that does not happen shows "-" in all its fields, once.
    if (column.dashWhenAbsent && &part == &column.parts.front() && field == "-") {
      text += '-';
      return;
    }
    // The window shows minutes and seconds in boxes of their own; joined by a
    // colon, "6:2" would read as a typing slip, so a single digit gets its 0.
    if (afterColon && field.size() == 1 && field[0] >= '0' && field[0] <= '9') text += '0';
    text += field;
    text += part.after;
    afterColon = part.after == ":";
  }
}

std::string_view columnCaption(const Column& column, Language language) {
  return captionOf(almanacColumnCaptions(), column.key, language);
}

}  // namespace tessaly::almanac
