#include "places/MessageCatalogue.h"

#include <cstdint>
#include <fstream>
#include <optional>

namespace tessaly {
namespace {

constexpr std::uint32_t kMagic = 0x950412de;
// Larger than any catalogue of town names by far; a huge file is no catalogue.
constexpr std::uintmax_t kLargestFile = 64u << 20;

// The catalogue's 32-bit words in the byte order its magic number shows;
// nothing past the end of the file.
class Words {
 public:
  explicit Words(std::string_view bytes) : bytes_(bytes) {
    swapped_ = read(0) != kMagic;
    if (swapped_ && read(0) != kMagic) bytes_ = {};
  }
  bool valid() const { return bytes_.size() >= 28; }
  std::uint32_t at(std::size_t offset) const { return offset + 4 <= bytes_.size() ? read(offset) : 0; }
  // The text a (length, offset) pair of the tables names.
  std::optional<std::string_view> text(std::size_t entry) const {
    if (entry + 8 > bytes_.size()) return std::nullopt;
    const std::size_t length = read(entry), offset = read(entry + 4);
    if (offset > bytes_.size() || length > bytes_.size() - offset) return std::nullopt;
    return bytes_.substr(offset, length);
  }

 private:
  std::uint32_t read(std::size_t offset) const {
    if (offset + 4 > bytes_.size()) return 0;
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
      const auto byte = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[offset + (swapped_ ? 3 - i : i)]));
      word |= byte << (8 * i);
    }
    return word;
  }

  std::string_view bytes_;
  bool swapped_ = false;
};

std::string fileBytes(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return {};
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > kLargestFile) return {};
  std::string bytes(static_cast<std::size_t>(size), '\0');
  std::ifstream in(file, std::ios::binary);
  if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) return {};
  return bytes;
}

}  // namespace

MessageCatalogue::MessageCatalogue(const std::filesystem::path& file) : bytes_(fileBytes(file)) {
  const Words words(bytes_);
  if (!words.valid()) return;
  const std::size_t count = words.at(8), originals = words.at(12), translations = words.at(16);
  if (count > bytes_.size() / 16) return;
  translations_.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto original = words.text(originals + 8 * i);
    const auto translation = words.text(translations + 8 * i);
    if (!original || !translation) {
      translations_.clear();
      return;
    }
    translations_.emplace(*original, *translation);
  }
}

std::string_view MessageCatalogue::find(std::string_view message) const {
  const auto it = translations_.find(message);
  return it == translations_.end() ? std::string_view() : it->second;
}

}  // namespace tessaly
