#include "engine/NumberReading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace tessaly {
namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The text with the skipped characters removed, so that "1 5" reads as 15.
std::string withoutBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!isSkipped(c)) out.push_back(c);
  return out;
}

int digitValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

NumberReading readWholeInBase(std::string_view digits, int base) {
  NumberReading r;
  for (char c : digits) {
    int d = digitValue(c);
    if (d >= base) break;
    r.value = r.value * base + d;
  }
  if (!std::isfinite(r.value)) r = {0, true};
  return r;
}

// Length of the leading decimal number: sign, digits, one point, exponent.
std::size_t decimalLength(const std::string& s, bool& hasMantissa) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t mantissaStart = i;
  while (i < s.size() && isDigit(s[i])) ++i;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i;
  }
  hasMantissa = i > mantissaStart && !(i == mantissaStart + 1 && s[mantissaStart] == '.');
  if (!hasMantissa) return 0;
  std::size_t mantissaEnd = i;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    std::size_t expDigits = j;
    while (j < s.size() && isDigit(s[j])) ++j;
    if (j > expDigits) return j;
  }
  return mantissaEnd;
}

// Whether a decimal number (one "e" for its exponent) is below 1 in
// magnitude: the power of ten of its first significant digit is negative.
// Only asked of numbers out of the double's range, whose mantissa is not 0;
// the exponent saturates, as no text is long enough to bring it back.
bool belowOne(std::string_view number) {
  const std::size_t e = number.find('e');
  const std::string_view mantissa = number.substr(0, e);
  long power = 0;
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first < point)
    power = static_cast<long>(point - first) - 1;
  else
    power = -static_cast<long>(first - point);
  if (e != std::string_view::npos) {
    std::string_view exponent = number.substr(e + 1);
    const bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) exponent.remove_prefix(1);
    long value = 0;
    for (char c : exponent) value = std::min(value * 10 + (c - '0'), 1'000'000'000L);
    power += negative ? -value : value;
  }
  return power < 0;
}

NumberReading readDecimal(const std::string& s) {
  bool hasMantissa = false;
  std::size_t len = decimalLength(s, hasMantissa);
  if (len == 0) return {};
  std::string number = s.substr(0, len);
  // One exponent letter, for from_chars and for the sign test below.
  for (char& c : number)
    if (c == 'D' || c == 'd' || c == 'E') c = 'e';
  const char* first = number.data();
  if (*first == '+') ++first;
  double value = 0;
  auto [end, ec] = std::from_chars(first, number.data() + number.size(), value);
  (void)end;
  // Too small to represent reads as zero; too large is an overflow.
  if (ec == std::errc::result_out_of_range) return {0, !belowOne(number)};
  if (ec != std::errc()) return {};
  if (!std::isfinite(value)) return {0, true};
  return {value, false};
}

}  // namespace

NumberReading readNumber(std::string_view text) {
  std::string s = withoutBlanks(text);
  if (s.size() >= 2 && s[0] == '&') {
    char kind = s[1];
    if (kind == 'H' || kind == 'h') return readWholeInBase(std::string_view(s).substr(2), 16);
    if (kind == 'O' || kind == 'o') return readWholeInBase(std::string_view(s).substr(2), 8);
  }
  return readDecimal(s);
}

}  // namespace tessaly
