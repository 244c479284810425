#pragma once
#include <string_view>

namespace tessaly {

// The number a text holds: its longest leading decimal number, blanks, tabs
// and line feeds skipped wherever they stand; "&H"/"&O" whole numbers; 0 when
// there is none.
struct NumberReading {
  double value = 0;
  // The text holds a number too large for a double; value is then 0 and the
  // caller rejects the field.
  bool overflow = false;
};

NumberReading readNumber(std::string_view text);

// Convenience for the places that cannot overflow in practice or treat an
// overflow as any other out-of-range value.
inline double numberOf(std::string_view text) { return readNumber(text).value; }

}  // namespace tessaly
