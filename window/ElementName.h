#pragma once
// The name of an element of the main window, checked by the compiler: a
// literal that names no element of the table does not compile. Names that
// arrive at run time (typed on the command line, asked for by the engine)
// go through find().
#include <cstdint>
#include <optional>
#include <string_view>

#include "window/WindowFields.h"

namespace tessaly {

class ElementName {
 public:
  template <std::size_t N>
  consteval ElementName(const char (&name)[N]) : index_(indexOf(std::string_view(name, N - 1))) {}

  static std::optional<ElementName> find(std::string_view name);

  constexpr std::string_view text() const { return kWindowElements[index_].name; }
  constexpr const ElementSpec& spec() const { return kWindowElements[index_]; }
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

}  // namespace tessaly
