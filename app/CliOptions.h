#pragma once
// The command line of tessaly-cli: each option fills the window fields that
// Calculate reads, so its texts go through the same number reading.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "window/WindowModel.h"

namespace tessaly::cli {

struct Options {
  std::optional<std::string> date;     // D.M.YYYY
  std::optional<std::string> time;     // H:M[:S]
  std::optional<std::string> zone;     // hours, east positive
  std::optional<std::string> lon;      // DEG[:MIN]E|W
  std::optional<std::string> lat;      // DEG[:MIN]N|S
  std::optional<std::string> azimuth;  // north | south | south-signed
  std::optional<std::string> lang;     // en | ru
  bool json = false;
  bool help = false;
  bool version = false;
  // The almanac: rows over a range of dates.
  std::optional<std::string> from;    // D.M.YYYY
  std::optional<std::string> to;      // D.M.YYYY
  std::optional<std::string> days;    // N
  std::optional<std::string> step;    // Nd | Nh | Nm | Ns
  std::optional<std::string> format;  // table | csv | json | grid | ics
  std::optional<std::string> fields;  // comma-separated column names
  std::optional<std::string> year;    // YYYY, for the grid
  std::optional<std::string> tz;      // AREA/CITY
  std::optional<std::string> place;   // a town's name: its coordinates and zone
  std::optional<std::string> places;  // a town's name: list the matches
  std::optional<std::string> pdf;     // FILE, for the grid
  std::optional<std::string> paper;   // a4 | letter
  bool events = false;
  std::vector<FieldText> sets;  // --set FIELD=TEXT, in order
};

// Field texts an option stands for, in the order they are entered.
using FieldTexts = std::vector<FieldText>;

// Throws UsageError with a one-line hint naming the option.
Options parseOptions(int argc, const char* const* argv);
// Whether the options ask for the almanac rather than one moment.
bool wantsAlmanac(const Options& o);
// Refuses, naming both, the options that cannot go together in either
// mode: --tz with --zone, and a --set of a field that another option owns
// (the zone of --tz; the dates and times of the almanac's rows).
void refuseConflicts(const Options& o);

// The parts of an option's text between separators.
std::vector<std::string> splitAt(const std::string& text, char separator);
// Degrees and minutes texts, and the list entry (0 East/North, 1 West/South).
FieldTexts angleFields(const std::string& option, const std::string& angle, ElementName degreesField, ElementName minutesField,
                       char positive, char negative, int& entry);

extern const char* const kUsage;

}  // namespace tessaly::cli
