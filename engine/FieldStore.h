#pragma once
// The window's fields as the engine and the handlers see them: texts by name,
// and the entry in view of the one-row lists. The window model realises it;
// MemoryFieldStore serves where there is no window.
#include <string>
#include <string_view>

namespace tessaly {

class FieldStore {
 public:
  virtual ~FieldStore() = default;
  virtual std::string text(std::string_view field) const = 0;
  virtual void setText(std::string_view field, std::string_view text) = 0;
  // Index (0 or 1) of the entry in view of a one-row list.
  virtual int topEntry(std::string_view list) const = 0;
  virtual void selectEntry(std::string_view list, int index) = 0;
};

}  // namespace tessaly
