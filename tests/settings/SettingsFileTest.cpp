#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "Cp1251.h"
#include "SettingsFile.h"

namespace fs = std::filesystem;
using namespace tessaly;

namespace {

// The documented example: Varnholm, 30°15' E, 45°0' N, zone 2, 1 s, English, from north.
SettingsValues exampleValues() {
  SettingsValues v;
  v.town = "Varnholm";
  v.longDegrees = 30;
  v.longMinutes = 15;
  v.eastWest = 0;
  v.latDegrees = 45;
  v.latMinutes = 0;
  v.northSouth = 0;
  v.zone = 2;
  v.timerMs = 1000;
  v.languageMarker = "Azimuth";
  v.azimShift = 0;
  return v;
}

constexpr const char* kExampleLine = "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \r\n";

void expectSameValues(const SettingsValues& a, const SettingsValues& b) {
  EXPECT_EQ(a.town, b.town);
  EXPECT_EQ(a.longDegrees, b.longDegrees);
  EXPECT_EQ(a.longMinutes, b.longMinutes);
  EXPECT_EQ(a.eastWest, b.eastWest);
  EXPECT_EQ(a.latDegrees, b.latDegrees);
  EXPECT_EQ(a.latMinutes, b.latMinutes);
  EXPECT_EQ(a.northSouth, b.northSouth);
  EXPECT_EQ(a.zone, b.zone);
  EXPECT_EQ(a.timerMs, b.timerMs);
  EXPECT_EQ(a.languageMarker, b.languageMarker);
  EXPECT_EQ(a.azimShift, b.azimShift);
}

// A fresh folder, removed with everything in it at the end of the test.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "tessaly-settings-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (const auto& entry : fs::recursive_directory_iterator(path_, ec))
      if (entry.is_directory(ec)) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void writeBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

// ---------------------------------------------------------------- writing

TEST(SettingsFormat, ExampleOfThePart) { EXPECT_EQ(formatSettingsLine(exampleValues()), kExampleLine); }

TEST(SettingsFormat, EmptyValues) {
  EXPECT_EQ(formatSettingsLine(SettingsValues{}), ", 0  0  0  0  0  0  0  0 ,\r\n");
}

TEST(SettingsFormat, WestSouthNegativeZoneRussianFiveSecondsFromSouth) {
  SettingsValues v;
  v.town = "Остров";
  v.longDegrees = 75;
  v.longMinutes = 30.5;
  v.eastWest = 1;
  v.latDegrees = 33;
  v.latMinutes = 0.25;
  v.northSouth = 1;
  v.zone = -5.5;
  v.timerMs = 5000;
  v.languageMarker = "Азимут";
  v.azimShift = -180;
  EXPECT_EQ(formatSettingsLine(v), "Остров, 75  30.5  1  33  .25  1 -5.5  5000 Азимут,-180 \r\n");
}

TEST(SettingsFormat, UnsetOffsetLeavesFieldElevenEmpty) {
  SettingsValues v = exampleValues();
  v.azimShift.reset();
  EXPECT_EQ(formatSettingsLine(v), "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth,\r\n");
}

TEST(SettingsFormat, NumbersBelowOneHaveNoLeadingZero) {
  SettingsValues v;
  v.longMinutes = -0.75;
  v.zone = 0.5;
  v.azimShift = 180;
  EXPECT_EQ(formatSettingsLine(v), ", 0 -.75  0  0  0  0  .5  0 , 180 \r\n");
}

// ---------------------------------------------------------------- reading

TEST(SettingsParse, ExampleOfThePart) {
  const SettingsReading r = parseSettingsLine(kExampleLine);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.fieldsRead, 11);
  expectSameValues(r.values, exampleValues());
}

TEST(SettingsParse, RoundTrip) {
  SettingsValues v;
  v.town = "Port Saint-Étienne";
  v.longDegrees = 179;
  v.longMinutes = 59.75;
  v.eastWest = 1;
  v.latDegrees = 89;
  v.latMinutes = 0.125;
  v.northSouth = 1;
  v.zone = -12.5;
  v.timerMs = 10000;
  v.languageMarker = "Азимут";
  v.azimShift = -180;
  SettingsReading r = parseSettingsLine(formatSettingsLine(v));
  EXPECT_TRUE(r.complete);
  expectSameValues(r.values, v);

  v.azimShift = 180;
  r = parseSettingsLine(formatSettingsLine(v));
  expectSameValues(r.values, v);
}

TEST(SettingsParse, RoundTripOfUnsetOffset) {
  SettingsValues v = exampleValues();
  v.town.clear();
  v.azimShift.reset();
  const SettingsReading r = parseSettingsLine(formatSettingsLine(v));
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.fieldsRead, 11);
  v.azimShift = 0;  // an empty field 11 reads as 0
  expectSameValues(r.values, v);
}

TEST(SettingsParse, EmptyMarkerDoesNotSurviveTheRules) {
  // The comma after a number (after blanks) is consumed, so the comma of an
  // empty field 10 is taken by field 9 and the line ends before field 10. The
  // window's marker is never empty ("Azimuth" or "Азимут").
  const SettingsReading r = parseSettingsLine(formatSettingsLine(SettingsValues{}));
  EXPECT_EQ(r.fieldsRead, 9);
  EXPECT_FALSE(r.complete);
}

TEST(SettingsParse, UnsetOffsetReadsAsZero) {
  const SettingsReading r = parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth,\r\n");
  EXPECT_TRUE(r.complete);
  ASSERT_TRUE(r.values.azimShift.has_value());
  EXPECT_EQ(*r.values.azimShift, 0);
}

TEST(SettingsParse, MarkerWithoutCommaAtLineEndStillComplete) {
  const SettingsReading r = parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth");
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.values.languageMarker, "Azimuth");
  EXPECT_EQ(r.values.azimShift, 0.0);
}

TEST(SettingsParse, CommaInTownEndsFieldOne) {
  const SettingsReading r =
      parseSettingsLine("Varn,holm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \r\n");
  EXPECT_EQ(r.values.town, "Varn");
  EXPECT_EQ(r.values.longDegrees, 0);  // "holm" is the start of field 2
  EXPECT_EQ(r.values.longMinutes, 30);
  EXPECT_EQ(r.values.eastWest, 15);
  EXPECT_EQ(r.values.latDegrees, 0);
  EXPECT_EQ(r.values.latMinutes, 45);
  EXPECT_EQ(r.values.northSouth, 0);
  EXPECT_EQ(r.values.zone, 0);
  EXPECT_EQ(r.values.timerMs, 2);
  EXPECT_EQ(r.values.languageMarker, "1000 Azimuth");
  EXPECT_EQ(r.values.azimShift, 0.0);
  EXPECT_TRUE(r.complete);
}

TEST(SettingsParse, FileCutShortBeforeFieldTen) {
  const SettingsReading r = parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  5000 \r\n");
  EXPECT_EQ(r.fieldsRead, 9);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.values.town, "Varnholm");
  EXPECT_EQ(r.values.zone, 2);
  EXPECT_EQ(r.values.timerMs, 5000);  // kept: field 9 was reached
  EXPECT_EQ(r.values.languageMarker, "");
  EXPECT_FALSE(r.values.azimShift.has_value());
}

TEST(SettingsParse, EveryCutCountsTheFieldsBeforeIt) {
  const std::string line = "Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \r\n";
  // Ends of fields 1..10 in the example line: cutting just after them leaves that many fields.
  const std::size_t ends[] = {9, 13, 17, 20, 24, 27, 30, 33, 39, 48};
  EXPECT_EQ(parseSettingsLine("").fieldsRead, 0);
  EXPECT_EQ(parseSettingsLine("   \r\n").fieldsRead, 0);
  for (int fields = 1; fields <= 9; ++fields) {
    const SettingsReading r = parseSettingsLine(line.substr(0, ends[fields - 1]));
    EXPECT_EQ(r.fieldsRead, fields) << line.substr(0, ends[fields - 1]);
    EXPECT_FALSE(r.complete);
  }
  EXPECT_TRUE(parseSettingsLine(line.substr(0, ends[9])).complete);
}

TEST(SettingsParse, TrailingTextIgnored) {
  SettingsReading r = parseSettingsLine(std::string(kExampleLine) + "Elsewhere, 1  2  1  3  4  1  5  3000 Азимут, 180 \r\nmore\n");
  EXPECT_TRUE(r.complete);
  expectSameValues(r.values, exampleValues());

  r = parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0  extra words, 7\r\n");
  EXPECT_TRUE(r.complete);
  expectSameValues(r.values, exampleValues());
}

TEST(SettingsParse, OnlyTheFirstLineCounts) {
  // A line break before field 10: the next line is not read as its continuation.
  const SettingsReading r = parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000\nAzimuth, 0 \r\n");
  EXPECT_EQ(r.fieldsRead, 9);
  EXPECT_FALSE(r.complete);
}

TEST(SettingsParse, LineFeedOrCarriageReturnAloneEndTheLine) {
  EXPECT_TRUE(parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \n").complete);
  EXPECT_TRUE(parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0 \r").complete);
  expectSameValues(parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 0").values,
                   exampleValues());
}

TEST(SettingsParse, NumberForms) {
  const SettingsReading r = parseSettingsLine("T,.5 -.25 &H1E 1E1 +2 ,, -3.5,9999,Azimuth,-180");
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.values.longDegrees, 0.5);
  EXPECT_EQ(r.values.longMinutes, -0.25);
  EXPECT_EQ(r.values.eastWest, 30);
  EXPECT_EQ(r.values.latDegrees, 10);
  EXPECT_EQ(r.values.latMinutes, 2);
  EXPECT_EQ(r.values.northSouth, 0);  // the empty field between the two commas reads as 0
  EXPECT_EQ(r.values.zone, -3.5);
  EXPECT_EQ(r.values.timerMs, 9999);
  EXPECT_EQ(r.values.languageMarker, "Azimuth");
  EXPECT_EQ(r.values.azimShift, -180.0);
}

TEST(SettingsParse, LeadingBlanksOfTextFieldsSkippedTrailingKept) {
  const SettingsReading r = parseSettingsLine("   New York ,1 2 0 3 4 0 5 1000   Azimuth,");
  EXPECT_EQ(r.values.town, "New York ");
  EXPECT_EQ(r.values.languageMarker, "Azimuth");
  EXPECT_TRUE(r.complete);
}

TEST(SettingsParse, IndicesRoundHalfToEven) {
  SettingsReading r = parseSettingsLine("T, 1  2  .5  3  4  1.5  5  2500.5 Azimuth,");
  EXPECT_EQ(r.values.eastWest, 0);
  EXPECT_EQ(r.values.northSouth, 2);
  EXPECT_EQ(r.values.timerMs, 2500);
  r = parseSettingsLine("T, 1  2  2.5  3  4 -0.5  5  999.5 Azimuth,");
  EXPECT_EQ(r.values.eastWest, 2);
  EXPECT_EQ(r.values.northSouth, 0);
  EXPECT_EQ(r.values.timerMs, 1000);
}

TEST(SettingsParse, TimerIntervalOutOfRangeReadsAsOneSecond) {
  for (const char* interval : {"-5", "70000", "32768", "-1", "1E30"}) {
    const std::string line = std::string("Varnholm, 30  15  0  45  0  0  2 ") + interval + " Azimuth, 0 \r\n";
    const SettingsReading r = parseSettingsLine(line);
    EXPECT_TRUE(r.complete) << interval;
    EXPECT_EQ(r.values.timerMs, 1000) << interval;
  }
  EXPECT_EQ(parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  32767 Azimuth,").values.timerMs, 32767);
  // 0 is a valid 16-bit value; the start-up turns it into 1000.
  EXPECT_EQ(parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  0 Azimuth,").values.timerMs, 0);
}

TEST(SettingsParse, IndexOutOfRangeIsReadError) {
  SettingsReading r = parseSettingsLine("Varnholm, 30  15  0  45  0  40000  2  1000 Azimuth, 0 \r\n");
  EXPECT_EQ(r.fieldsRead, 6);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.values.latMinutes, 0);
  EXPECT_EQ(r.values.northSouth, 0);
  EXPECT_EQ(r.values.zone, 0);  // nothing after the error is read

  r = parseSettingsLine("Varnholm, 30  15 -32769  45  0  0  2  1000 Azimuth, 0 \r\n");
  EXPECT_EQ(r.fieldsRead, 3);
  EXPECT_FALSE(r.complete);

  r = parseSettingsLine("Varnholm, 30  15 -32768  45  0  32767  2  1000 Azimuth, 0 \r\n");
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.values.eastWest, -32768);
  EXPECT_EQ(r.values.northSouth, 32767);
}

TEST(SettingsParse, NumberTooLargeForDoubleIsReadError) {
  SettingsReading r = parseSettingsLine("Varnholm, 1E999  15  0  45  0  0  2  1000 Azimuth, 0 \r\n");
  EXPECT_EQ(r.fieldsRead, 1);
  r = parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1D400 Azimuth, 0 \r\n");
  EXPECT_EQ(r.fieldsRead, 8);
  r = parseSettingsLine("Varnholm, 30  15  0  45  0  0  2  1000 Azimuth, 1E400 \r\n");
  EXPECT_EQ(r.fieldsRead, 10);
  EXPECT_FALSE(r.complete);
  EXPECT_FALSE(r.values.azimShift.has_value());
}

// ---------------------------------------------------------------- character sets

TEST(SettingsParse, Cp1251BytesDecoded) {
  // "Москва" and "Азимут" in the Cyrillic Windows code page.
  const std::string bytes =
      "\xCC\xEE\xF1\xEA\xE2\xE0, 37  37  0  55  45  0  3  1000 \xC0\xE7\xE8\xEC\xF3\xF2, 180 \r\n";
  const SettingsReading r = parseSettingsLine(bytes);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.values.town, "Москва");
  EXPECT_EQ(r.values.languageMarker, "Азимут");
  EXPECT_EQ(r.values.azimShift, 180.0);
}

TEST(SettingsParse, Utf8KeptAsIs) {
  const SettingsReading r = parseSettingsLine("Ёлкино, 37  37  0  55  45  0  3  1000 Азимут,");
  EXPECT_EQ(r.values.town, "Ёлкино");
  EXPECT_EQ(r.values.languageMarker, "Азимут");
}

TEST(SettingsParse, Utf8ByteOrderMarkDropped) {
  const SettingsReading r = parseSettingsLine(std::string("\xEF\xBB\xBF") + kExampleLine);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.values.town, "Varnholm");
}

TEST(Cp1251, TableSamples) {
  EXPECT_EQ(cp1251ToUtf8("abc 1,2"), "abc 1,2");
  EXPECT_EQ(cp1251ToUtf8("\xA8\xB8"), "Ёё");
  EXPECT_EQ(cp1251ToUtf8("\x88\xB9\x96"), "€№–");
  EXPECT_EQ(cp1251ToUtf8("\xC0\xDF\xE0\xFF"), "АЯая");
  EXPECT_EQ(cp1251ToUtf8("\xA5\xB4\xAA\xBA\xAF\xBF\xB2\xB3"), "ҐґЄєЇїІі");
  EXPECT_EQ(cp1251ToUtf8("\x98"), "\xC2\x98");
}

TEST(Cp1251, EveryByteDecodesToValidUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_FALSE(isValidUtf8(all));
  EXPECT_TRUE(isValidUtf8(cp1251ToUtf8(all)));
}

TEST(Cp1251, Utf8Validity) {
  EXPECT_TRUE(isValidUtf8(""));
  EXPECT_TRUE(isValidUtf8("Azimuth"));
  EXPECT_TRUE(isValidUtf8("Азимут €𝄞"));
  EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
  EXPECT_FALSE(isValidUtf8("\xC0\x80"));          // overlong
  EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));      // overlong
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(isValidUtf8("\xD0"));              // cut short
  EXPECT_FALSE(isValidUtf8("\xE2\x82"));
  EXPECT_FALSE(isValidUtf8("\x80"));
  EXPECT_FALSE(isValidUtf8("\xC0\xE7\xE8\xEC\xF3\xF2"));  // "Азимут" in cp1251
}

// ---------------------------------------------------------------- robustness

TEST(SettingsParse, TenMegabyteLineDoesNotHang) {
  const std::size_t size = 10u << 20;
  const auto start = std::chrono::steady_clock::now();

  SettingsReading r = parseSettingsLine(std::string(size, 'x'));  // a town without end
  EXPECT_EQ(r.fieldsRead, 1);
  EXPECT_EQ(r.values.town.size(), size);

  r = parseSettingsLine("T, " + std::string(size, '7') + " 1 0 2 3 0 4 1000 Azimuth,");
  EXPECT_EQ(r.fieldsRead, 1);  // ten million digits overflow a double

  r = parseSettingsLine("T, 1" + std::string(size, ' ') + "2 0 3 4 0 5 1000 Azimuth,");
  EXPECT_TRUE(r.complete);

  std::string manyFields;
  while (manyFields.size() < size) manyFields += " 1 ,";
  r = parseSettingsLine("T," + manyFields);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.values.languageMarker, "1 ");

  std::string highBytes(size, '\xE0');  // not UTF-8: decoded as cp1251
  r = parseSettingsLine(highBytes + ", 1");
  EXPECT_EQ(r.values.town.size(), 2 * size);

  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 30.0);
}

TEST(SettingsParse, RandomBytesNeverCrash) {
  std::mt19937 random(20240611);
  const std::string alphabet = " ,\r\n0123456789.-+eEdD&HOa\xC0\xE0\xD0\xB0\xEF\xBB\xBF";
  const std::string valid = formatSettingsLine(exampleValues());
  for (int round = 0; round < 20000; ++round) {
    std::string bytes;
    if (round % 2 == 0) {
      const std::size_t length = random() % 120;
      for (std::size_t i = 0; i < length; ++i)
        bytes.push_back(round % 4 == 0 ? static_cast<char>(random() % 256)
                                       : alphabet[random() % alphabet.size()]);
    } else {
      bytes = valid;
      for (int k = random() % 4; k >= 0; --k)
        bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
    }
    const SettingsReading r = parseSettingsLine(bytes);
    ASSERT_GE(r.fieldsRead, 0);
    ASSERT_LE(r.fieldsRead, 11);
    ASSERT_EQ(r.complete, r.fieldsRead == 11);
    ASSERT_EQ(r.values.azimShift.has_value(), r.complete);
    ASSERT_TRUE(isValidUtf8(r.values.town));
    ASSERT_TRUE(isValidUtf8(r.values.languageMarker));
    if (r.fieldsRead >= 9) {
      ASSERT_GE(r.values.timerMs, 0);
    }
  }
}

// ---------------------------------------------------------------- location

class SettingsPath : public ::testing::Test {
 protected:
  void SetUp() override {
    saveVariable("XDG_CONFIG_HOME", xdg_);
    saveVariable("HOME", home_);
  }
  void TearDown() override {
    restoreVariable("XDG_CONFIG_HOME", xdg_);
    restoreVariable("HOME", home_);
  }

 private:
  static void saveVariable(const char* name, std::optional<std::string>& slot) {
    if (const char* value = std::getenv(name)) slot = value;
  }
  static void restoreVariable(const char* name, const std::optional<std::string>& slot) {
    if (slot)
      ::setenv(name, slot->c_str(), 1);
    else
      ::unsetenv(name);
  }
  std::optional<std::string> xdg_, home_;
};

TEST_F(SettingsPath, FromXdgConfigHome) {
  TempFolder folder;
  ::setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
  ::setenv("HOME", "/nowhere/home", 1);
  EXPECT_EQ(settingsFilePath(), folder.path() / "tessaly.ini");
}

TEST_F(SettingsPath, FromHomeWhenXdgUnset) {
  TempFolder folder;
  ::unsetenv("XDG_CONFIG_HOME");
  ::setenv("HOME", folder.path().c_str(), 1);
  EXPECT_EQ(settingsFilePath(), folder.path() / ".config" / "tessaly.ini");
}

TEST_F(SettingsPath, FromHomeWhenXdgEmptyOrRelative) {
  ::setenv("HOME", "/home/observer", 1);
  ::setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(settingsFilePath(), fs::path("/home/observer/.config/tessaly.ini"));
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
  EXPECT_EQ(settingsFilePath(), fs::path("/home/observer/.config/tessaly.ini"));
}

TEST_F(SettingsPath, FromPasswordEntryWhenHomeUnset) {
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("HOME");
  const fs::path path = settingsFilePath();
  EXPECT_EQ(path.filename(), "tessaly.ini");
  EXPECT_FALSE(path.empty());
}

// ---------------------------------------------------------------- reading the file

TEST(SettingsRead, MissingFileGivesNothing) {
  TempFolder folder;
  EXPECT_FALSE(readSettingsFile(folder.path() / "tessaly.ini").has_value());
  EXPECT_FALSE(readSettingsFile(folder.path() / "no" / "such" / "tessaly.ini").has_value());
}

TEST(SettingsRead, DirectoryGivesNothing) {
  TempFolder folder;
  fs::create_directory(folder.path() / "tessaly.ini");
  EXPECT_FALSE(readSettingsFile(folder.path() / "tessaly.ini").has_value());
}

TEST(SettingsRead, FifoGivesNothingAndDoesNotBlock) {
  TempFolder folder;
  const fs::path fifo = folder.path() / "tessaly.ini";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(readSettingsFile(fifo).has_value());
}

TEST(SettingsRead, UnreadableFileGivesNothing) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
  TempFolder folder;
  const fs::path file = folder.path() / "tessaly.ini";
  writeBytes(file, kExampleLine);
  fs::permissions(file, fs::perms::none);
  EXPECT_FALSE(readSettingsFile(file).has_value());
}

TEST(SettingsRead, BytesExactlyAsStored) {
  TempFolder folder;
  const fs::path file = folder.path() / "tessaly.ini";
  const std::string bytes = std::string("a\0b\xFF\r\nc", 7);
  writeBytes(file, bytes);
  EXPECT_EQ(readSettingsFile(file), bytes);
  writeBytes(file, "");
  EXPECT_EQ(readSettingsFile(file), std::string());
}

// ---------------------------------------------------------------- writing the file

TEST(SettingsWrite, CreatesFolderAndRoundTrips) {
  TempFolder folder;
  const fs::path file = folder.path() / "a" / "b" / "tessaly.ini";
  std::string error;
  ASSERT_TRUE(writeSettingsFile(file, kExampleLine, &error)) << error;
  EXPECT_EQ(readSettingsFile(file), kExampleLine);
  const SettingsReading r = parseSettingsLine(*readSettingsFile(file));
  EXPECT_TRUE(r.complete);
  expectSameValues(r.values, exampleValues());
  EXPECT_EQ(namesIn(file.parent_path()), std::vector<std::string>{"tessaly.ini"});
}

TEST(SettingsWrite, ReplacesOldFileAndKeepsItsPermissions) {
  TempFolder folder;
  const fs::path file = folder.path() / "tessaly.ini";
  writeBytes(file, "old contents that are longer than the new line, much longer indeed\r\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(writeSettingsFile(file, "new\r\n", nullptr));
  EXPECT_EQ(readSettingsFile(file), "new\r\n");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"tessaly.ini"});
}

TEST(SettingsWrite, PathIsDirectoryFailsAndLeavesNoTemporaryFile) {
  TempFolder folder;
  const fs::path target = folder.path() / "tessaly.ini";
  fs::create_directory(target);
  writeBytes(target / "inside", "kept");
  std::string error;
  EXPECT_FALSE(writeSettingsFile(target, kExampleLine, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(readSettingsFile(target / "inside"), "kept");
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"tessaly.ini"});
  EXPECT_FALSE(writeSettingsFile(target, kExampleLine, nullptr));  // no error text wanted
}

TEST(SettingsWrite, FolderPathIsAFileFails) {
  TempFolder folder;
  writeBytes(folder.path() / "config", "a file, not a folder");
  std::string error;
  EXPECT_FALSE(writeSettingsFile(folder.path() / "config" / "tessaly.ini", kExampleLine, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(readSettingsFile(folder.path() / "config"), "a file, not a folder");
}

TEST(SettingsWrite, ReadOnlyFolderKeepsOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempFolder folder;
  const fs::path file = folder.path() / "tessaly.ini";
  writeBytes(file, kExampleLine);
  fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
  std::string error;
  EXPECT_FALSE(writeSettingsFile(file, "new\r\n", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(readSettingsFile(file), kExampleLine);
  EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"tessaly.ini"});
}

TEST(SettingsWrite, EmptyPathFails) {
  std::string error;
  EXPECT_FALSE(writeSettingsFile(fs::path(), kExampleLine, &error));
  EXPECT_FALSE(error.empty());
}
