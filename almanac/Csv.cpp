#include "almanac/Csv.h"

namespace tessaly::almanac {

std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

void writeCsvRow(std::ostream& out, std::span<const std::string> fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) out << (i ? "," : "") << csvField(fields[i]);
  out << "\r\n";
}

}  // namespace tessaly::almanac
