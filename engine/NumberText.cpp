#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tessaly {
namespace {

void toUpper(char* first, char* last) {
  for (char* c = first; c != last; ++c)
    if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
}

// printf's %.*G gives exactly the wanted form: the value rounded to the
// precision, trailing zeros dropped, fixed notation for the magnitudes shown,
// an exponent only for the extremes. to_chars in the general format with a
// precision is defined to give that text.
std::string withPrecision(double value, int significantDigits) {
  char buffer[64];
  char* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits).ptr;
  toUpper(buffer, end);
  return std::string(buffer, end);
}

// The %.15G text laid out from the shortest digits that read back as the
// value. When there are at most 15 of them they are also the value rounded to
// 15 digits: half a unit of the 15th digit is more than half the spacing of
// doubles. Most values shown are rounded to a few decimals, and this path
// costs a fraction of the rounding one. Subnormal doubles are spaced too
// widely for this and take the rounding path.
bool shortestAsFifteenDigits(double value, std::string& text) {
  char buffer[64];
  const char* const end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
  const char* p = buffer;
  const bool negative = *p == '-';
  if (negative) ++p;
  std::string digits;
  for (; *p != 'e'; ++p)
    if (*p != '.') digits.push_back(*p);
  if (digits.size() > 15) return false;
  int exponent = 0;
  const char* exponentText = p + 1;
  if (*exponentText == '+') ++exponentText;
  std::from_chars(exponentText, end, exponent);
  const int count = static_cast<int>(digits.size());
  text = negative ? "-" : "";
  if (exponent < -4 || exponent >= 15) {
    text += digits[0];
    if (count > 1) text += "." + digits.substr(1);
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  } else if (exponent < 0) {
    text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (count <= exponent + 1) {
    text += digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
  } else {
    text += digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
            digits.substr(static_cast<std::size_t>(exponent + 1));
  }
  return true;
}

// The fast forms below write into a buffer of this size and give the end of
// the text, or nullptr when they do not apply; the string is made once.
constexpr std::size_t kBufferSize = 48;

// Whole numbers are most of what is shown: below 10^digits their general
// text with that many significant digits is their plain digits.
char* wholeNumber(double value, double limit, char* buffer) {
  if (!(std::fabs(value) < limit)) return nullptr;
  const auto whole = static_cast<long long>(value);
  if (static_cast<double>(whole) != value) return nullptr;
  return std::to_chars(buffer, buffer + kBufferSize, whole).ptr;
}

// Most other values shown were rounded to at most five decimals: when the
// value is the double nearest to a whole number of 10^-k, that decimal (of at
// most 15 digits) is its %.15G text, written here without the general
// conversion.
char* fewDecimals(double value, char* buffer) {
  if (std::fabs(value) < 1e-4) return nullptr;  // %G writes these with an exponent
  static constexpr double kScale[] = {1, 10, 100, 1000, 10000, 100000};
  for (int k = 1; k < 6; ++k) {
    // Any rounding to a near whole number serves: where the test below
    // passes, value times 10^k lies within a few units of the last place of
    // that whole number, far from a half.
    const double product = std::fabs(value) * kScale[k];
    if (!(product < 1e15)) continue;
    const auto whole = static_cast<long long>(product + 0.5);
    if (std::copysign(static_cast<double>(whole), value) / kScale[k] != value) continue;
    char digits[24];
    char* const digitsEnd = std::to_chars(digits, digits + sizeof digits, whole).ptr;
    const auto count = static_cast<int>(digitsEnd - digits);
    char* out = buffer;
    if (value < 0) *out++ = '-';
    if (count <= k) {
      *out++ = '0';
      *out++ = '.';
      for (int i = count; i < k; ++i) *out++ = '0';
      for (int i = 0; i < count; ++i) *out++ = digits[i];
    } else {
      for (int i = 0; i < count; ++i) {
        if (i == count - k) *out++ = '.';
        *out++ = digits[i];
      }
    }
    while (out[-1] == '0') --out;
    if (out[-1] == '.') --out;
    return out;
  }
  return nullptr;
}

std::string withLeadingBlank(std::string text) {
  bool negative = !text.empty() && text[0] == '-';
  std::string digits = negative ? text.substr(1) : text;
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return (negative ? "-" : " ") + digits;
}

}  // namespace

std::string numberText(double value) {
  if (value == 0) return "0";  // also for -0
  char buffer[kBufferSize];
  if (char* end = wholeNumber(value, 1e15, buffer)) return std::string(buffer, end);
  if (char* end = fewDecimals(value, buffer)) return std::string(buffer, end);
  std::string text;
  if (std::isnormal(value) && shortestAsFifteenDigits(value, text)) return text;
  return withPrecision(value, 15);
}

std::string numberText(float value) {
  if (value == 0) return "0";
  char buffer[kBufferSize];
  if (char* end = wholeNumber(value, 1e7, buffer)) return std::string(buffer, end);
  return withPrecision(value, 7);
}

std::string signedNumberText(double value) { return withLeadingBlank(numberText(value)); }
std::string signedNumberText(float value) { return withLeadingBlank(numberText(value)); }

}  // namespace tessaly
