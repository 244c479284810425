#pragma once
#include <map>

#include "engine/FieldStore.h"

namespace tessaly {

// A plain in-memory field store for headless use and tests.
class MemoryFieldStore : public FieldStore {
 public:
  std::string text(std::string_view field) const override;
  void setText(std::string_view field, std::string_view text) override;
  int topEntry(std::string_view list) const override;
  void selectEntry(std::string_view list, int index) override;

 private:
  std::map<std::string, std::string, std::less<>> texts_;
  std::map<std::string, int, std::less<>> entries_;
};

}  // namespace tessaly
