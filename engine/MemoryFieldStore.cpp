#include "engine/MemoryFieldStore.h"

namespace tessaly {

std::string MemoryFieldStore::text(std::string_view field) const {
  auto it = texts_.find(field);
  return it == texts_.end() ? std::string() : it->second;
}

void MemoryFieldStore::setText(std::string_view field, std::string_view text) {
  // A field written again keeps its entry; only its text is replaced.
  if (auto it = texts_.find(field); it != texts_.end())
    it->second.assign(text);
  else
    texts_.emplace(field, text);
}

int MemoryFieldStore::topEntry(std::string_view list) const {
  auto it = entries_.find(list);
  return it == entries_.end() ? 0 : it->second;
}

void MemoryFieldStore::selectEntry(std::string_view list, int index) {
  entries_.insert_or_assign(std::string(list), index);
}

}  // namespace tessaly
