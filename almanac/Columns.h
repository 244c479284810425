#pragma once
// The columns of the almanac's rows: each a key (the name on --fields and in
// the caption tables) and the window fields whose texts it shows, joined.
// A window field may also stand alone as a column under its own name.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/FieldStore.h"
#include "window/Captions.h"
#include "window/ElementName.h"

namespace tessaly::almanac {

struct ColumnPart {
  ElementName field;
  std::string_view after;  // joins this part to the next
};

struct Column {
  std::string_view key;
  std::vector<ColumnPart> parts;  // empty for the phases of an event row
  std::size_t width;              // characters of the widest text
  // The column of rise, set or culmination: all its fields show "-" when the
  // event does not happen, and so does the column, once.
  bool dashWhenAbsent = false;
};

// "phases": the principal phases of an event row's date, with their times.
inline constexpr std::string_view kPhasesKey = "phases";

// The column named by a key or a window field; empty for neither.
std::optional<Column> findColumn(std::string_view name);
// Columns named in a comma-separated list; throws std::invalid_argument
// naming the first unknown one.
std::vector<Column> parseColumns(std::string_view list);

// The default columns of moment rows and of event rows; with a named zone
// the zone column follows the date and time.
std::vector<Column> defaultMomentColumns(bool withZone);
std::vector<Column> defaultEventColumns(bool withZone);
// Whether an event row can fill the column: its date, zone, the events and
// the phases.
bool isEventColumn(const Column& column);

// A time of day "H:M", alone or after a date, with its minutes in two
// digits as every time the almanac shows: "3.1.2026 12:04".
std::string withTwoDigitMinutes(std::string text);

// The window fields the columns show.
std::vector<std::string_view> columnFields(const std::vector<Column>& columns);

// The text of a column from the fields of a calculated moment.
std::string columnText(const Column& column, const FieldStore& fields);
void appendColumnText(const Column& column, const FieldStore& fields, std::string& text);
std::string_view columnCaption(const Column& column, Language language);

}  // namespace tessaly::almanac
