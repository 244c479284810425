#include "NumberText.h"

#include <cstdio>

namespace tessaly {
namespace {

// %g gives exactly the wanted form: shortest digits up to the precision,
// fixed notation for the magnitudes shown, exponent only for the extremes.
std::string formatted(double value, int significantDigits) {
  if (value == 0) value = 0;  // "-0" is shown as "0"
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", significantDigits, value);
  return buffer;
}

std::string withLeadingBlank(std::string text) {
  bool negative = !text.empty() && text[0] == '-';
  std::string digits = negative ? text.substr(1) : text;
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return (negative ? "-" : " ") + digits;
}

}  // namespace

std::string numberText(double value) { return formatted(value, 15); }
std::string numberText(float value) { return formatted(value, 7); }
std::string signedNumberText(double value) { return withLeadingBlank(numberText(value)); }
std::string signedNumberText(float value) { return withLeadingBlank(numberText(value)); }

}  // namespace tessaly
