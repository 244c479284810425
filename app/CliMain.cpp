// tessaly-cli: the window's Calculate from a terminal or a script. It starts
// the way the window starts (saved place, language and azimuth reference),
// switches to manual mode, enters the options into the fields and presses
// Calculate.
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include "almanac/Utf8Text.h"
#include "app/CheckedOutput.h"
#include "app/CliAlmanac.h"
#include "app/CliOptions.h"
#include "app/CliReport.h"
#include "app/Version.h"
#include "engine/NumberText.h"
#include "window/Headless.h"
#include "window/MainForm.h"

namespace {

using namespace tessaly;

void enter(WindowModel& w, const cli::FieldTexts& texts) {
  for (const auto& [field, text] : texts) w.setText(field, text);
}

std::string wholeText(int value) { return numberText(static_cast<double>(value)); }

void applyOptions(MainForm& form, const cli::Options& o, const ClockReading& now) {
  WindowModel& w = form.model();
  if (o.lang) o.lang == "en" ? form.me1_9_Click() : form.me1_10_Click();
  if (o.azimuth)
    form.menuItemChosen(*o.azimuth == "north" ? "me1_12" : *o.azimuth == "south" ? "me1_13" : "me1_14");
  enter(w, o.date ? cli::dateFields(*o.date)
                  : cli::FieldTexts{{"DateDay", wholeText(now.day)}, {"DateMonth", wholeText(now.month)},
                                    {"DateYear", wholeText(now.year)}});
  enter(w, o.time ? cli::timeFields(*o.time)
                  : cli::FieldTexts{{"TimeHour", wholeText(now.hour)}, {"TimeMin", wholeText(now.minute)},
                                    {"TimeSec", wholeText(now.second)}});
  if (o.zone) w.setText("Timezon", *o.zone);
  int entry = 0;
  if (o.lon) {
    enter(w, cli::angleFields("--lon", *o.lon, "LongGrad", "LongMin", 'E', 'W', entry));
    w.selectEntry("List1", entry);
  }
  if (o.lat) {
    enter(w, cli::angleFields("--lat", *o.lat, "LatGrad", "LatMin", 'N', 'S', entry));
    w.selectEntry("List2", entry);
  }
  for (const auto& [field, text] : o.sets) w.setText(field, text);
}

// A named zone for one moment: the offset in force then, and a local time
// in the gap of a change moved past it. Without a date and time, the
// present moment in that zone.
void applyNamedZone(WindowModel& w, const cli::Options& o) {
  const auto zone = almanac::findNamedZone(*o.tz);
  if (!zone) throw std::invalid_argument("--tz: no zone \"" + *o.tz + "\" in the system's time-zone database");
  const std::string date = w.text("DateDay") + "." + w.text("DateMonth") + "." + w.text("DateYear");
  const std::string time = w.text("TimeHour") + ":" + w.text("TimeMin") + ":" + w.text("TimeSec");
  const almanac::LocalMoment moment =
      o.date || o.time
          ? zone->moment(zone->instant(cli::parseDate("--date", date) + cli::parseTimeOfDay(time)))
          : zone->moment(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
  const almanac::MomentTexts t = almanac::momentTexts(moment.local);
  enter(w, {{"DateDay", t.day}, {"DateMonth", t.month}, {"DateYear", t.year},
            {"TimeHour", t.hour}, {"TimeMin", t.minute}, {"TimeSec", t.second}, {"Timezon", moment.zone}});
}

int run(const cli::Options& o, const std::optional<cli::AlmanacPlan>& almanac) {
  SystemClock clock;
  RecordedMessages messages;
  NoExit exit;
  MainForm form(clock, messages, exit);
  // The almanac's rows never show the rise and set of today that start-up
  // works out.
  if (almanac)
    form.loadSettings();
  else
    form.Form_Load();
  form.model().setSelected("Option2", true);
  applyOptions(form, o, clock.now());
  if (almanac) return cli::runAlmanac(*almanac, form, std::cout);
  if (o.tz) applyNamedZone(form.model(), o);
  form.Command2_Click();
  const std::optional<std::string> message = messages.first();
  const std::string report = o.json    ? cli::jsonReport(form.model(), message)
                             : message ? std::string()
                                       : cli::textReport(form.model());
  if (const int status = cli::writeOutput(report)) return status;
  if (message) {
    std::cerr << sanitizedUtf8(*message) << '\n';
    return 2;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Standard output is written through std::cout only (or write(2) after it
  // is flushed): it needs no synchronising with C's stdio.
  std::ios::sync_with_stdio(false);
  cli::Options options;
  try {
    options = cli::parseOptions(argc, argv);
    if (options.help) return cli::writeOutput(cli::kUsage);
    if (options.version) return cli::writeOutput(std::string("tessaly-cli (Tessaly) ") + kVersion + "\n");
    std::optional<cli::AlmanacPlan> almanac;
    if (cli::wantsAlmanac(options)) almanac = cli::planAlmanac(options);
    return run(options, almanac);
  } catch (const std::invalid_argument& e) {
    std::cerr << "tessaly-cli: " << e.what() << " (see tessaly-cli --help)\n";
    return 64;
  }
}
