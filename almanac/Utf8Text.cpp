#include "almanac/Utf8Text.h"

#include <optional>

namespace tessaly {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

struct Range {
  char32_t first, last;
};

// Zero-width: the combining marks in common use.
constexpr Range kCombining[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x0610, 0x061A}, {0x064B, 0x065F},
    {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF}, {0x200B, 0x200F}, {0x20D0, 0x20FF}, {0xFE00, 0xFE0F},
    {0xFE20, 0xFE2F},
};

// Two columns: East Asian wide and full-width characters.
constexpr Range kWide[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

template <std::size_t N>
bool within(const Range (&ranges)[N], char32_t c) {
  for (const Range& r : ranges)
    if (c >= r.first && c <= r.last) return true;
  return false;
}

// The code point a valid UTF-8 sequence at the start of the text stands for,
// and its length; nothing for an invalid, overlong or cut-short sequence, a
// surrogate or a value beyond U+10FFFF.
struct Decoded {
  char32_t code;
  std::size_t length;
};
std::optional<Decoded> decode(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return Decoded{lead, 1};
  std::size_t length = 0;
  char32_t code = 0, least = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    code = code << 6 | (byte(i) & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
  return Decoded{code, length};
}

std::size_t columns(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c < 0xA0) || within(kCombining, c)) return 0;
  return within(kWide, c) ? 2 : 1;
}

}  // namespace

std::string sanitizedUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    const auto d = decode(text);
    const std::size_t length = d ? d->length : 1;
    out += d ? text.substr(0, length) : kReplacement;
    text.remove_prefix(length);
  }
  return out;
}

std::size_t displayWidth(std::string_view utf8) {
  std::size_t width = 0;
  while (!utf8.empty()) {
    // Printable ASCII, nearly all a table shows, takes one column as it is.
    const unsigned char lead = static_cast<unsigned char>(utf8.front());
    if (lead >= 0x20 && lead < 0x7F) {
      ++width;
      utf8.remove_prefix(1);
      continue;
    }
    const auto d = decode(utf8);
    width += d ? columns(d->code) : 1;
    utf8.remove_prefix(d ? d->length : 1);
  }
  return width;
}

}  // namespace tessaly
