#pragma once
// A compiled message catalogue (the ".mo" form): the gazetteer keeps its
// towns' names in other languages there, keyed by each town's number.
// Read directly, so that the names do not depend on the process's locale.
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tessaly {

class MessageCatalogue {
 public:
  // Empty when the file is missing, not a regular file or damaged.
  explicit MessageCatalogue(const std::filesystem::path& file);
  // The translation of a message; empty when there is none.
  std::string_view find(std::string_view message) const;
  std::size_t size() const { return translations_.size(); }

 private:
  std::string bytes_;
  std::unordered_map<std::string_view, std::string_view> translations_;
};

}  // namespace tessaly
