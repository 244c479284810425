#include "almanac/Csv.h"

#include <algorithm>

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

void quoteCsvFieldFrom(std::string& text, std::size_t start) {
  const auto special = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
  if (std::none_of(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), special)) return;
  const std::string quoted = csvField(text.substr(start));
  text.replace(start, std::string::npos, quoted);
}

void appendCsvRow(std::string& text, std::span<const std::string> fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) text += ',';
    const std::size_t start = text.size();
    text += fields[i];
    quoteCsvFieldFrom(text, start);
  }
  text += "\r\n";
}

void writeCsvRow(std::ostream& out, std::span<const std::string> fields) {
  std::string row;
  appendCsvRow(row, fields);
  out.write(row.data(), static_cast<std::streamsize>(row.size()));
}

}  // namespace tessaly::almanac
