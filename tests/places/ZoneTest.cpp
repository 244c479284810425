// Named zones past the last change their files list, and zone files that
// are damaged or not files at all.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "places/Zone.h"

namespace tessaly {
namespace {

using namespace std::chrono_literals;

date::local_seconds local(int year, unsigned month, unsigned day, std::chrono::seconds time = 12h) {
  return date::local_days{date::year{year} / month / day} + time;
}

std::string offsetAt(const Zone& zone, date::local_seconds at) { return zone.moment(zone.instant(at)).zone; }

TEST(NamedZone, SummerOffsetsFromTheFilesRuleTo2099) {
  const struct {
    const char* zone;
    int year;
    const char* summer;
    const char* winter;
  } cases[] = {{"Europe/Berlin", 2099, "2", "1"}, {"America/New_York", 2050, "-4", "-5"},
               {"Australia/Lord_Howe", 2038, "10.5", "11"}, {"Pacific/Kiritimati", 2099, "14", "14"}};
  for (const auto& c : cases) {
    const auto zone = findNamedZone(c.zone);
    ASSERT_TRUE(zone) << c.zone;
    EXPECT_EQ(offsetAt(*zone, local(c.year, 7, 1)), c.summer) << c.zone << ' ' << c.year;
    EXPECT_EQ(offsetAt(*zone, local(c.year, 1, 1)), c.winter) << c.zone << ' ' << c.year;
  }
}

TEST(NamedZone, GapsAndRepeatsAfterTheLastListedChange) {
  const auto berlin = findNamedZone("Europe/Berlin");
  const auto newYork = findNamedZone("America/New_York");
  // Berlin 2038: spring forward on 28 March at 2:00, back on 31 October at 3:00.
  EXPECT_EQ(berlin->instant(local(2038, 3, 28, 2h + 30min)), berlin->instant(local(2038, 3, 28, 3h + 30min)));
  EXPECT_EQ(berlin->moment(berlin->instant(local(2038, 3, 28, 2h + 30min))).local, local(2038, 3, 28, 3h + 30min));
  const auto repeated = berlin->instant(local(2038, 10, 31, 2h + 30min));
  EXPECT_EQ(berlin->moment(repeated).zone, "2");
  EXPECT_EQ(berlin->moment(repeated + 1h).local, local(2038, 10, 31, 2h + 30min));
  EXPECT_EQ(berlin->moment(repeated + 1h).zone, "1");
  // New York 2099: second Sunday of March, first of November.
  EXPECT_EQ(newYork->moment(newYork->instant(local(2099, 3, 8, 2h + 15min))).local, local(2099, 3, 8, 3h + 15min));
  const auto first = newYork->instant(local(2099, 11, 1, 1h + 15min));
  EXPECT_EQ(newYork->moment(first).zone, "-4");
  EXPECT_EQ(newYork->moment(first + 1h).local, local(2099, 11, 1, 1h + 15min));
  EXPECT_EQ(berlin->textsBetween(berlin->instant(local(2099, 1, 1)), berlin->instant(local(2100, 1, 1))),
            (std::vector<std::string>{"1", "2"}));
}

class DamagedZoneFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("tessaly-zones-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_ / "Europe");
    std::ifstream in(kZoneFolder / "Europe/Berlin", std::ios::binary);
    berlin_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void write(const std::string& bytes) const {
    std::ofstream(folder_ / "Europe/Berlin", std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string refusal() const {
    try {
      findNamedZone("Europe/Berlin", folder_);
    } catch (const DamagedZone& damaged) {
      return damaged.what();
    }
    return "";
  }

  std::filesystem::path folder_;
  std::string berlin_;
};

// A FIFO in the zone's place is never opened: reading it would block.
TEST_F(DamagedZoneFiles, AreRefusedByName) {
  write(berlin_);
  EXPECT_EQ(refusal(), "");
  std::string noOffsets = berlin_;
  for (int i = 36; i < 40; ++i) noOffsets[i] = '\0';  // the first header's count of offsets
  std::string randomBytes(3000, '\0');
  for (std::size_t i = 0; i < randomBytes.size(); ++i) randomBytes[i] = static_cast<char>(i * 7919 % 251);
  for (const std::string& bytes : {berlin_.substr(0, berlin_.size() / 2), std::string(), randomBytes,
                                   "TZif2" + randomBytes, noOffsets}) {
    write(bytes);
    const std::string message = refusal();
    EXPECT_NE(message.find("\"Europe/Berlin\""), std::string::npos) << message;
  }
  std::filesystem::remove(folder_ / "Europe/Berlin");
  ASSERT_EQ(::mkfifo((folder_ / "Europe/Berlin").c_str(), 0600), 0);
  EXPECT_EQ(refusal(), "the zone file of \"Europe/Berlin\" is not a regular file");
}

}  // namespace
}  // namespace tessaly
