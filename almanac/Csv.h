#pragma once
// Comma-separated values by RFC 4180: CRLF line ends, and a field holding a
// comma, a quote or a line break enclosed in quotes with its quotes doubled.
#include <ostream>
#include <span>
#include <string>

namespace tessaly::almanac {

std::string csvField(const std::string& text);
void writeCsvRow(std::ostream& out, std::span<const std::string> fields);
// Quotes the field that makes up `text` from `start` on, where it needs it.
void quoteCsvFieldFrom(std::string& text, std::size_t start);
// The same row appended to a text, line end included.
void appendCsvRow(std::string& text, std::span<const std::string> fields);

}  // namespace tessaly::almanac
