// Any text read as a number gives a finite value, and an overflow reads as 0.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/NumberReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tessaly::NumberReading r = tessaly::readNumber(text);
  if (!std::isfinite(r.value) || (r.overflow && r.value != 0)) std::abort();
  return 0;
}
