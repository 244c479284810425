#pragma once
// The character sets of the settings file: the file is written in UTF-8; a
// file from an 8-bit system is in the Cyrillic Windows code page (cp1251).
#include <string>
#include <string_view>

namespace tessaly {

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The cp1251 bytes as UTF-8: 0x00..0x7F unchanged, 0x80..0xFF through the
// code-page table.
std::string cp1251ToUtf8(std::string_view bytes);

}  // namespace tessaly
