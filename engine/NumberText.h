#pragma once
#include <string>

namespace tessaly {

// The plain number text of every value the program writes into a field:
// "-", digits, "." and the fraction only when not whole, "0." below 1,
// no trailing zeros; 15 significant digits for a double, 7 for a single.
std::string numberText(double value);
std::string numberText(float value);

// The second form, used for the hour of a phase date and in the settings
// file: one blank before a non-negative number, no 0 before the point.
std::string signedNumberText(double value);
std::string signedNumberText(float value);

}  // namespace tessaly
