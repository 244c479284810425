#include "NumberText.h"

#include <charconv>

namespace tessaly {
namespace {

// printf's %G gives exactly the wanted form: shortest digits up to the
// precision, fixed notation for the magnitudes shown, exponent only for the
// extremes. to_chars in the general format is defined to give %g's text and
// takes a fraction of printf's time, which matters at some thirty fields a
// tick; upper case makes it %G's.
std::string formatted(double value, int significantDigits) {
  if (value == 0) value = 0;  // "-0" is shown as "0"
  char buffer[64];
  char* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits).ptr;
  for (char* c = buffer; c != end; ++c)
    if (*c >= 'a' && *c <= 'z') *c = static_cast<char>(*c - 'a' + 'A');
  return std::string(buffer, end);
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
