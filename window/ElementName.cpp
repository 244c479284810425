#include "window/ElementName.h"

#include <array>

namespace tessaly {
namespace {

// The engine asks for its fields by name some sixty times a tick: an
// open-addressed table built by the compiler. The names are short and tell
// themselves apart by their length and their first, middle and last two
// characters; the few that share those only cost a further probe.
constexpr int kSlotBits = 10;

constexpr std::size_t slotOf(std::string_view name) {
  const std::size_t n = name.size();
  const auto at = [&](std::size_t i) { return static_cast<std::uint64_t>(static_cast<unsigned char>(name[i])); };
  const std::uint64_t key = n < 2 ? n : n ^ at(0) << 8 ^ at(n / 2) << 16 ^ at(n - 2) << 24 ^ at(n - 1) << 32;
  return static_cast<std::size_t>(key * 0x9E3779B97F4A7C15u >> (64 - kSlotBits));
}

constexpr std::size_t kMask = (std::size_t{1} << kSlotBits) - 1;

// Each slot holds an element's index, or -1.
constexpr auto kSlots = [] {
  std::array<std::int16_t, std::size_t{1} << kSlotBits> slots{};
  slots.fill(-1);
  for (std::size_t i = 0; i < ElementName::kCount; ++i) {
    std::size_t slot = slotOf(kWindowElements[i].name);
    while (slots[slot] >= 0) slot = (slot + 1) & kMask;
    slots[slot] = static_cast<std::int16_t>(i);
  }
  return slots;
}();

}  // namespace

std::optional<ElementName> ElementName::find(std::string_view name) {
  for (std::size_t slot = slotOf(name); kSlots[slot] >= 0; slot = (slot + 1) & kMask) {
    const auto index = static_cast<std::size_t>(kSlots[slot]);
    if (kWindowElements[index].name == name) return ElementName(index);
  }
  return std::nullopt;
}

}  // namespace tessaly
