#include "NumberReading.h"

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
  if (ec == std::errc::result_out_of_range) {
    // Too small to represent reads as zero; too large is an overflow.
    bool negativeExponent = number.find("e-") != std::string::npos;
    if (negativeExponent) return {0, false};
    return {0, true};
  }
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
