#include "places/ZoneFile.h"

#include <array>
#include <fstream>
#include <iterator>

namespace tessaly {
namespace {

// Real zone files are a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kLargestZoneFile = 1 << 20;
constexpr std::size_t kHeaderSize = 44;

// The counts of one header, in the order the file gives them.
struct Counts {
  std::uint64_t utIndicators, standardIndicators, leapSeconds, changes, types, characters;
};

class Reader {
 public:
  Reader(const std::string& bytes, const std::string& name) : bytes_(bytes), name_(name) {}

  ZoneFileTail read() {
    const Counts first = header();
    if (bytes_[4] == '\0') {
      data(first, 4);
      return {lastChange(first, 4), ""};
    }
    // Version 2 and later repeat the data with 64-bit times, then the rule.
    skip(blockSize(first, 4));
    const Counts second = header();
    data(second, 8);
    ZoneFileTail tail{lastChange(second, 8), rule()};
    return tail;
  }

 private:
  [[noreturn]] void fail(const std::string& why) const {
    throw DamagedZone("the zone file of \"" + name_ + "\" is damaged: " + why);
  }

  void need(std::uint64_t count) const {
    if (count > bytes_.size() - at_) fail("it ends too early");
  }

  void skip(std::uint64_t count) {
    need(count);
    at_ += count;
  }

  std::int64_t number(std::size_t width, std::size_t from) const {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) value = value << 8 | static_cast<unsigned char>(bytes_[from + i]);
    if (width == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return static_cast<std::int64_t>(value);
  }

  Counts header() {
    need(kHeaderSize);
    if (bytes_.compare(at_, 4, "TZif") != 0) fail("it is not a zone file");
    const auto count = [&](std::size_t i) { return static_cast<std::uint64_t>(number(4, at_ + 20 + 4 * i)) & 0xffffffffu; };
    const Counts c{count(0), count(1), count(2), count(3), count(4), count(5)};
    at_ += kHeaderSize;
    if (c.types == 0) fail("it has no offsets");
    if ((c.utIndicators != 0 && c.utIndicators != c.types) ||
        (c.standardIndicators != 0 && c.standardIndicators != c.types))
      fail("its counts disagree");
    return c;
  }

  static std::uint64_t blockSize(const Counts& c, std::size_t timeWidth) {
    return c.changes * (timeWidth + 1) + c.types * 6 + c.characters + c.leapSeconds * (timeWidth + 4) +
           c.standardIndicators + c.utIndicators;
  }

  // Every change names an offset the file has, every offset a name within
  // the names' characters.
  void data(const Counts& c, std::size_t timeWidth) {
    need(blockSize(c, timeWidth));
    const std::size_t indices = at_ + c.changes * timeWidth;
    for (std::size_t i = 0; i < c.changes; ++i)
      if (static_cast<unsigned char>(bytes_[indices + i]) >= c.types) fail("a change names no offset");
    const std::size_t types = indices + c.changes;
    for (std::size_t i = 0; i < c.types; ++i)
      if (static_cast<unsigned char>(bytes_[types + 6 * i + 5]) >= c.characters) fail("an offset has no name");
  }

  std::optional<date::sys_seconds> lastChange(const Counts& c, std::size_t timeWidth) {
    std::optional<date::sys_seconds> last;
    if (c.changes > 0) last = date::sys_seconds{std::chrono::seconds{number(timeWidth, at_ + (c.changes - 1) * timeWidth)}};
    at_ += blockSize(c, timeWidth);
    return last;
  }

  std::string rule() const {
    if (at_ == bytes_.size()) return {};
    if (bytes_[at_] != '\n') fail("its rule is not on a line of its own");
    const std::size_t end = bytes_.find('\n', at_ + 1);
    if (end == std::string::npos) fail("its rule is not on a line of its own");
    return bytes_.substr(at_ + 1, end - at_ - 1);
  }

  const std::string& bytes_;
  const std::string& name_;
  std::size_t at_ = 0;
};

}  // namespace

ZoneFileTail readZoneFile(const std::filesystem::path& folder, const std::string& name) {
  const std::filesystem::path file = folder / name;
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error))
    throw DamagedZone("the zone file of \"" + name + "\" is not a regular file");
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > kLargestZoneFile) throw DamagedZone("the zone file of \"" + name + "\" cannot be read");
  std::ifstream in(file, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in && !in.eof()) throw DamagedZone("the zone file of \"" + name + "\" cannot be read");
  return Reader(bytes, name).read();
}

}  // namespace tessaly
