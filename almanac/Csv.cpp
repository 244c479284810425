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

void appendCsvRow(std::string& text, std::span<const std::string> fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) text += ',';
    text += csvField(fields[i]);
  }
  text += "\r\n";
}

void writeCsvRow(std::ostream& out, std::span<const std::string> fields) {
  std::string row;
  appendCsvRow(row, fields);
  out.write(row.data(), static_cast<std::streamsize>(row.size()));
}

}  // namespace tessaly::almanac
