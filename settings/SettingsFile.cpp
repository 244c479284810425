// The settings line: the writer's field forms and the reader's
// rules, kept side by side so that they agree.
#include "settings/SettingsFile.h"

#include <cmath>
#include <functional>
#include <limits>

#include "engine/NumberReading.h"
#include "engine/NumberText.h"
#include "settings/Cp1251.h"

namespace tessaly {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// The menu's shortest interval; anything shorter would make the window burn
// a core.
constexpr std::int16_t kShortestTimerMs = 1000;
// The menu's offsets are 0, 180 and -180; a larger one is no reference.
constexpr double kLargestAzimuthOffset = 360;

// The UTF-8 bytes that continue a character rather than begin one.
bool isUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Two text fields of 4-byte characters and nine numbers (a number's text is
// under 32 bytes) always make a line that start-up reads back whole.
static_assert(2 * (4 * kLongestTextField + 1) + 9 * 32 + 2 <= kLongestSettingsLine);

// Number form on writing: the sign position, the digits, one trailing blank.
void appendNumber(std::string& line, double value) {
  line += signedNumberText(value);
  line += ' ';
}

// A comma or a line break inside a text would end the field, or the line,
// early and shift every later field: they are left out.
void appendText(std::string& line, std::string_view text) {
  line += withoutTextFieldEnds(text);
  line += ',';
}

// Walks the fields of one line (no CR or LF inside it).
class FieldReader {
 public:
  explicit FieldReader(std::string_view line) : line_(line) {}

  // The next text field: from its first non-blank character to the next comma
  // (consumed) or the line end. Nothing when the line has ended.
  std::optional<std::string_view> text() {
    skipBlanks();
    if (atEnd()) return std::nullopt;
    const std::size_t start = pos_;
    const std::size_t comma = line_.find(',', pos_);
    const std::size_t end = comma == std::string_view::npos ? line_.size() : comma;
    pos_ = comma == std::string_view::npos ? end : end + 1;
    return line_.substr(start, end - start);
  }

  // Whether only blanks remain: the next field is missing.
  bool ended() {
    skipBlanks();
    return atEnd();
  }

  // The next number field, read up to the next blank, comma or line end; a
  // comma after it (after any blanks) is consumed. The caller has checked
  // ended() first.
  NumberReading number() {
    skipBlanks();
    const std::size_t start = pos_;
    while (!atEnd() && line_[pos_] != ' ' && line_[pos_] != ',') ++pos_;
    const NumberReading reading = readNumber(line_.substr(start, pos_ - start));
    skipBlanks();
    if (!atEnd() && line_[pos_] == ',') ++pos_;
    return reading;
  }

 private:
  bool atEnd() const { return pos_ >= line_.size(); }
  void skipBlanks() {
    while (!atEnd() && line_[pos_] == ' ') ++pos_;
  }

  std::string_view line_;
  std::size_t pos_ = 0;
};

// CInt into a 16-bit integer: nearest whole number, halves to even. Nothing
// when the rounded value is outside the 16-bit range.
std::optional<std::int16_t> roundedInt16(double value) {
  const double whole = std::nearbyint(value);
  if (!(whole >= std::numeric_limits<std::int16_t>::min() &&
        whole <= std::numeric_limits<std::int16_t>::max()))
    return std::nullopt;
  return static_cast<std::int16_t>(whole);
}

// The first line of the bytes as UTF-8 text: up to the first CR or LF (both
// are the same bytes in UTF-8 and cp1251), a leading UTF-8 byte order mark
// dropped, decoded from cp1251 when it is not valid UTF-8.
std::string firstLineAsUtf8(std::string_view bytes) {
  std::string_view line = bytes.substr(0, bytes.find_first_of("\r\n"));
  if (line.substr(0, kUtf8Bom.size()) == kUtf8Bom) line.remove_prefix(kUtf8Bom.size());
  if (isValidUtf8(line)) return std::string(line);
  return cp1251ToUtf8(line);
}

}  // namespace

std::string withoutTextFieldEnds(std::string_view text) {
  std::string kept;
  std::size_t characters = 0;
  for (char c : text) {
    if (kTextFieldEnds.find(c) != std::string_view::npos) continue;
    if (!isUtf8Continuation(c) && ++characters > kLongestTextField) break;
    kept += c;
  }
  return kept;
}

std::string formatSettingsLine(const SettingsValues& values) {
  std::string line;
  appendText(line, values.town);
  appendNumber(line, values.longDegrees);
  appendNumber(line, values.longMinutes);
  appendNumber(line, values.eastWest);
  appendNumber(line, values.latDegrees);
  appendNumber(line, values.latMinutes);
  appendNumber(line, values.northSouth);
  appendNumber(line, values.zone);
  appendNumber(line, values.timerMs);
  appendText(line, values.languageMarker);
  if (values.azimShift) appendNumber(line, *values.azimShift);
  line += "\r\n";
  return line;
}

SettingsReading parseSettingsLine(std::string_view bytes) {
  SettingsReading result;
  SettingsValues& v = result.values;
  const std::string line = firstLineAsUtf8(bytes);
  FieldReader in(line);

  auto text = [&in](std::string& target) {
    const auto field = in.text();
    if (!field) return false;
    target = std::string(*field);
    return true;
  };
  auto number = [&in](double& target) {
    if (in.ended()) return false;
    const NumberReading reading = in.number();
    if (reading.overflow) return false;
    target = reading.value;
    return true;
  };
  // Fields 4 and 7: a value outside the 16-bit range is a read error.
  auto index = [&number](std::int16_t& target) {
    double value = 0;
    if (!number(value)) return false;
    const auto whole = roundedInt16(value);
    if (!whole) return false;
    target = *whole;
    return true;
  };
  // Field 9: an interval out of range or below the menu's shortest (0, which
  // start-up reads as 1000, included) is mended to 1000 ms, so that such an
  // interval never reaches the timer.
  auto interval = [&number](std::int16_t& target) {
    double value = 0;
    if (!number(value)) return false;
    const auto whole = roundedInt16(value);
    target = whole && *whole >= kShortestTimerMs ? *whole : kShortestTimerMs;
    return true;
  };

  // Fields 1 to 10, in file order; the first one missing or unreadable ends
  // the reading.
  const std::function<bool()> fields[] = {
      [&] { return text(v.town); },         [&] { return number(v.longDegrees); },
      [&] { return number(v.longMinutes); }, [&] { return index(v.eastWest); },
      [&] { return number(v.latDegrees); },  [&] { return number(v.latMinutes); },
      [&] { return index(v.northSouth); },   [&] { return number(v.zone); },
      [&] { return interval(v.timerMs); },   [&] { return text(v.languageMarker); },
  };
  for (const auto& field : fields) {
    if (!field()) return result;
    ++result.fieldsRead;
  }

  // Field 11 may be empty: the offset was never set, and stays so.
  if (!in.ended()) {
    double shift = 0;
    if (!number(shift) || std::fabs(shift) > kLargestAzimuthOffset) return result;
    v.azimShift = shift;
  }
  ++result.fieldsRead;
  result.complete = true;
  return result;
}

}  // namespace tessaly
