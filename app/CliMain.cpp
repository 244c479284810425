// tessaly-cli: the window's Calculate from a terminal or a script. It starts
// the way the window starts (saved place, language and azimuth reference),
// switches to manual mode, enters the options into the fields and presses
// Calculate.
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "almanac/Utf8Text.h"
#include "app/CheckedOutput.h"
#include "app/CliAlmanac.h"
#include "app/CliOptions.h"
#include "app/CliPlace.h"
#include "app/CliReport.h"
#include "app/DateTimeText.h"
#include "app/ExitStatus.h"
#include "app/UsageError.h"
#include "app/Version.h"
#include "engine/NumberText.h"
#include "window/Calculate.h"
#include "window/Headless.h"
#include "window/LocationCheck.h"
#include "window/MainForm.h"
#include "window/PhaseOffsets.h"

namespace {

using namespace tessaly;

const std::string kProgram = "tessaly-cli";

void enter(WindowModel& w, const cli::FieldTexts& texts) {
  for (const auto& [field, text] : texts) w.setText(field, text);
}

std::string wholeText(int value) { return numberText(static_cast<double>(value)); }

// The date and time the options give, or those of the clock.
struct MomentTexts {
  cli::DateTexts date;
  cli::TimeTexts time;
};

MomentTexts momentTexts(const cli::Options& o, const ClockReading& now) {
  return {o.date ? cli::splitDate("--date", *o.date)
                 : cli::DateTexts{wholeText(now.day), wholeText(now.month), wholeText(now.year)},
          o.time ? cli::splitTime("--time", *o.time)
                 : cli::TimeTexts{wholeText(now.hour), wholeText(now.minute), wholeText(now.second)}};
}

// A named zone for one moment: the offset in force then, and a local time
// in the gap of a change moved past it. Without a date and time, the
// present moment in that zone.
std::unique_ptr<Zone> applyNamedZone(WindowModel& w, const cli::Options& o, const MomentTexts& given) {
  auto zone = cli::namedZone(*o.tz);
  const LocalMoment moment =
      o.date || o.time ? zone->moment(zone->instant(cli::calendarDate("--date", given.date) +
                                                     cli::timeOfDay("--time", given.time)))
                       : zone->moment(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
  const tessaly::MomentTexts t = tessaly::momentTexts(moment.local);
  enter(w, {{"DateDay", t.day}, {"DateMonth", t.month}, {"DateYear", t.year},
            {"TimeHour", t.hour}, {"TimeMin", t.minute}, {"TimeSec", t.second}, {"Timezon", moment.zone}});
  return zone;
}

// The options in the fields, --set last of all: its texts stand as typed,
// whatever the other options and a named zone made of the fields. Returns
// the named zone of a single moment.
std::unique_ptr<Zone> applyOptions(MainForm& form, const cli::Options& o, const ClockReading& now) {
  WindowModel& w = form.model();
  if (o.lang) o.lang == "en" ? form.me1_9_Click() : form.me1_10_Click();
  if (o.azimuth == "north")
    form.me1_12_Click();
  else if (o.azimuth == "south")
    form.me1_13_Click();
  else if (o.azimuth)
    form.me1_14_Click();
  const MomentTexts moment = momentTexts(o, now);
  enter(w, cli::fieldTexts(moment.date));
  enter(w, cli::fieldTexts(moment.time));
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
  std::unique_ptr<Zone> zone;
  if (o.tz && !cli::wantsAlmanac(o)) zone = applyNamedZone(w, o, moment);
  enter(w, o.sets);
  return zone;
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
  // A named zone comes through --tz, saved link and --place included.
  form.linkedZone().unlink();
  form.model().setSelected("Option2", true);
  const std::unique_ptr<Zone> zone = applyOptions(form, o, clock.now());
  if (almanac) {
    // The rows' checks then allow a named zone's offsets, up to +14, as the
    // almanac window's do while a zone is linked.
    if (almanac->namedZone) form.linkedZone().link(*o.tz);
    cli::CheckedOutput output(kProgram);
    return cli::runAlmanac(*almanac, form, output, std::cerr);
  }
  // A named zone's offsets reach +14; a typed offset keeps the Timezone
  // box's bound. The zone stays unlinked: its offset in force was worked out
  // for the moment the options give.
  if (tessaly::Command2_Click(form.engine(), messages, o.tz ? kNamedZoneHigh : kTypedZoneHigh) && zone)
    showPhasesInTheirOffsets(form.model(), *zone);
  const std::optional<std::string> message = messages.first();
  const std::string report = o.json    ? cli::jsonReport(form.model(), message)
                             : message ? std::string()
                                       : cli::textReport(form.model());
  if (const int status = cli::writeOutput(kProgram, report, std::cerr)) return status;
  if (message) {
    std::cerr << sanitizedUtf8(*message) << '\n';
    return kExitInputRefused;
  }
  return kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  // Standard output is written through std::cout only (or write(2) after it
  // is flushed): it needs no synchronising with C's stdio.
  std::ios::sync_with_stdio(false);
  try {
    cli::Options options = cli::parseOptions(argc, argv);
    if (options.help) return cli::writeOutput(kProgram, cli::kUsage, std::cerr);
    if (options.version)
      return cli::writeOutput(kProgram, kProgram + " (Tessaly) " + kVersion + "\n", std::cerr);
    if (options.places) {
      std::ostringstream list;
      cli::listPlaces(options, list);
      return cli::writeOutput(kProgram, list.str(), std::cerr);
    }
    cli::applyPlace(options);
    cli::refuseConflicts(options);
    std::optional<cli::AlmanacPlan> almanac;
    if (cli::wantsAlmanac(options)) almanac = cli::planAlmanac(options);
    return run(options, almanac);
  } catch (const cli::UsageError& e) {
    std::cerr << kProgram << ": " << e.what() << " (see tessaly-cli --help)\n";
    return kExitUsage;
  }
}
