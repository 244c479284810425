#pragma once
// The name of an element of the main window, checked by the compiler: a
// literal that names no element of the table does not compile. Names that
// arrive at run time (typed on the command line, asked for by the engine)
// go through find().
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "window/WindowFields.h"

namespace tessaly {

class ElementName {
 public:
  template <std::size_t N>
  consteval ElementName(const char (&name)[N]) : index_(indexOf(std::string_view(name, N - 1))) {}

  static constexpr std::optional<ElementName> find(std::string_view name);

  constexpr std::string_view text() const { return kWindowElements[index_].name; }
  constexpr const ElementSpec& row() const { return kWindowElements[index_]; }
  // The element's place in the table, from 0.
  constexpr std::size_t index() const { return index_; }
  static constexpr std::size_t kCount = std::size(kWindowElements);

  friend constexpr bool operator==(ElementName, ElementName) = default;
  // Into any text stream, for messages of tests and tools.
  template <typename Stream>
  friend Stream& operator<<(Stream& out, ElementName name) {
    out << name.text();
    return out;
  }

  static constexpr ElementName at(std::size_t index) { return ElementName(index); }

 private:
  explicit constexpr ElementName(std::size_t index) : index_(static_cast<std::uint16_t>(index)) {}
  static consteval std::uint16_t indexOf(std::string_view name) {
    for (std::size_t i = 0; i < kCount; ++i)
      if (kWindowElements[i].name == name) return static_cast<std::uint16_t>(i);
    // Reached only for a name outside the table, where it stops the compiler.
    throw "no element of the main window has this name";
  }

  std::uint16_t index_;
};

namespace element_table {

// The engine asks for its fields by name some sixty times a tick: an
// open-addressed table built by the compiler. The names are short and tell
// themselves apart by their length and their first, middle and last two
// characters; the few that share those only cost a further probe.
inline constexpr int kSlotBits = 10;
inline constexpr std::size_t kSlotMask = (std::size_t{1} << kSlotBits) - 1;

constexpr std::size_t slotOf(std::string_view name) {
  const std::size_t n = name.size();
  const auto at = [&](std::size_t i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(name[i])); };
  const std::uint64_t key = n < 2 ? n : n ^ at(0) << 8 ^ at(n / 2) << 16 ^ at(n - 2) << 24 ^ at(n - 1) << 32;
  return static_cast<std::size_t>(key * 0x9E3779B97F4A7C15u >> (64 - kSlotBits));
}

// Each slot holds an element's index, or -1.
inline constexpr auto kSlots = [] {
  std::array<std::int16_t, kSlotMask + 1> table{};
  table.fill(-1);
  for (std::size_t i = 0; i < std::size(kWindowElements); ++i) {
    std::size_t slot = slotOf(kWindowElements[i].name);
    while (table[slot] >= 0) slot = (slot + 1) & kSlotMask;
    table[slot] = static_cast<std::int16_t>(i);
  }
  return table;
}();

consteval bool namesAreUniqueAndParentsExist() {
  for (std::size_t i = 0; i < std::size(kWindowElements); ++i) {
    const ElementSpec& e = kWindowElements[i];
    bool parentFound = e.parent.empty();
    for (std::size_t j = 0; j < std::size(kWindowElements); ++j) {
      if (j != i && kWindowElements[j].name == e.name) return false;
      if (kWindowElements[j].name == e.parent && kWindowElements[j].kind == ElementKind::MenuItem) parentFound = true;
    }
    if (!parentFound) return false;
  }
  return true;
}
static_assert(namesAreUniqueAndParentsExist(), "every name once, every menu parent a menu element");
}  // namespace element_table

constexpr std::optional<ElementName> ElementName::find(std::string_view name) {
  using namespace element_table;
  for (std::size_t slot = slotOf(name); kSlots[slot] >= 0; slot = (slot + 1) & kSlotMask) {
    const auto index = static_cast<std::size_t>(kSlots[slot]);
    if (kWindowElements[index].name == name) return ElementName(index);
  }
  return std::nullopt;
}

}  // namespace tessaly
