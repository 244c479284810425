#include "app/CliReport.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string_view>
#include <vector>

#include "almanac/Columns.h"
#include "almanac/Utf8Text.h"
#include "window/CalculateFields.h"

namespace tessaly::cli {
namespace {

std::string caption(const WindowModel& w, ElementName name) { return w.text(name); }

// Rows are gathered first: the values stand in one column after the widest
// caption, at least two blanks after each, counted in characters shown.
class Block {
 public:
  explicit Block(const WindowModel& w) : w_(w) {}
  void heading(ElementName name) { rows_.push_back({sanitizedUtf8(caption(w_, name)), std::nullopt}); }
  void row(const std::string& label, const std::string& value) {
    rows_.push_back({"  " + sanitizedUtf8(label), sanitizedUtf8(value)});
  }
  std::string f(ElementName name) const { return w_.text(name); }
  std::string str() const {
    std::size_t column = 0;
    for (const Row& r : rows_)
      if (r.value) column = std::max(column, displayWidth(r.label) + kGap);
    std::string out;
    for (const Row& r : rows_) {
      out += r.label;
      if (r.value) out += std::string(column - displayWidth(r.label), ' ') + *r.value;
      out += '\n';
    }
    return out;
  }

 private:
  static constexpr std::size_t kGap = 2;
  struct Row {
    std::string label;
    std::optional<std::string> value;  // none for a heading
  };
  const WindowModel& w_;
  std::vector<Row> rows_;
};

std::string eventRow(const Block& b, ElementName hour, ElementName minute, ElementName value, const char* unit) {
  if (b.f(hour) == "-") return "-";
  return b.f(hour) + "h " + b.f(minute) + "m   " + b.f(value) + unit;
}

nlohmann::ordered_json reportObject(const WindowModel& w, const std::optional<std::string>& message) {
  nlohmann::ordered_json j;
  // Every text as valid UTF-8: a field holds whatever bytes were typed.
  for (ElementName field : calculateFields()) j[std::string(field.text())] = sanitizedUtf8(w.text(field));
  j["List1"] = w.entryInView("List1");
  j["List2"] = w.entryInView("List2");
  j["message"] = message ? nlohmann::ordered_json(sanitizedUtf8(*message)) : nlohmann::ordered_json(nullptr);
  return j;
}

}  // namespace

std::string jsonReport(const WindowModel& w, const std::optional<std::string>& message) {
  return reportObject(w, message).dump(2) + "\n";
}

std::string jsonLine(const WindowModel& w) { return reportObject(w, std::nullopt).dump() + "\n"; }

std::string eventJsonLine(const almanac::EventRow& row) {
  nlohmann::ordered_json j;
  for (ElementName field : almanac::eventRowFields())
    j[std::string(field.text())] = sanitizedUtf8(row.fields.text(field.text()));
  nlohmann::ordered_json phases = nlohmann::ordered_json::array();
  for (const almanac::PhaseOnDate& p : row.phases)
    phases.push_back({{"Phase", sanitizedUtf8(p.name)}, {"DatePhase", sanitizedUtf8(almanac::withTwoDigitMinutes(p.dateText))}});
  j["phases"] = std::move(phases);
  return j.dump() + "\n";
}

std::string textReport(const WindowModel& w) {
  Block b(w);
  b.row(caption(w, "Date"), b.f("DateDay") + "." + b.f("DateMonth") + "." + b.f("DateYear"));
  b.row(caption(w, "LocalTime"), b.f("TimeHour") + ":" + b.f("TimeMin") + ":" + b.f("TimeSec"));
  b.row(caption(w, "TimZon"), b.f("Timezon") + " h");
  b.row(caption(w, "Longitude"), b.f("LongGrad") + "° " + b.f("LongMin") + "' " + w.entryInView("List1"));
  b.row(caption(w, "Latitude"), b.f("LatGrad") + "° " + b.f("LatMin") + "' " + w.entryInView("List2"));
  b.row(caption(w, "DayYear"), b.f("DOY"));
  b.row(caption(w, "Label1"), b.f("JulianDate"));
  b.row(caption(w, "SidTime"), b.f("SidHour") + "h " + b.f("SidMin") + "m " + b.f("SidSec") + "s");
  b.heading("CoordSun");
  b.row(caption(w, "Longit"), b.f("LongSun") + "°");
  b.row(caption(w, "Latit"), b.f("LatLuna") + "°");
  b.row(caption(w, "RASun"), b.f("RAHour") + "h " + b.f("RAMin") + "m " + b.f("RASec") + "s");
  b.row(caption(w, "DeclSun"),
        b.f("Label33") + b.f("DeclGrad") + "° " + b.f("DeclMin") + "' " + b.f("DeclSec") + "\"");
  b.row(caption(w, "AltSun") + ", " + caption(w, "Tru"), b.f("AltTrue") + "°");
  b.row(caption(w, "AltSun") + ", " + caption(w, "App"), b.f("AltApp") + (b.f("AltApp").starts_with("-") ? "" : "°"));
  b.row(caption(w, "AzimSun"), b.f("AzimTrue") + (b.f("AzimTrue").starts_with("- ") ? "" : "°"));
  b.row(caption(w, "Distance"), b.f("Distkm") + " km, " + b.f("DistPer") + " %");
  b.row(caption(w, "DiamSun"), b.f("DiamMin") + "' " + b.f("DiamSec") + "\"");
  b.row(caption(w, "Phase"), b.f("Fraction") + " %");
  b.row(caption(w, "Label36"), b.f("Label37") + " d");
  b.heading("Label25");
  b.row(b.f("Phase1"), b.f("DatePhase1"));
  b.row(b.f("Phase2"), b.f("DatePhase2"));
  b.row(caption(w, "Sunrise"), eventRow(b, "RiseHour", "RiseMin", "RAzim", "°"));
  b.row(caption(w, "Sunset"), eventRow(b, "SetHour", "SetMin", "SAzim", "°"));
  b.row(caption(w, "CulmSun(0)"), eventRow(b, "CulmHour(0)", "CulmMin(0)", "ATransit(0)", "°"));
  b.row(caption(w, "CulmSun(1)"), eventRow(b, "CulmHour(1)", "CulmMin(1)", "ATransit(1)", "°"));
  return b.str();
}

}  // namespace tessaly::cli
