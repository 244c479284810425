#pragma once
// The reference cases computed independently of this code, one per line.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::testing {

struct ClockReading {
  int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
  double secondsSinceMidnight = 0;
};

struct GoldenCase {
  int line = 0;
  std::map<std::string, std::string> inputs;  // field texts typed in
  int list1 = 0, list2 = 0;
  double azimShift = 0;
  std::string lang;
  std::optional<std::string> message;
  std::map<std::string, std::string> expected;
  std::optional<ClockReading> clock;
};

std::vector<GoldenCase> loadGoldenCases(const std::string& fileName);

}  // namespace tessaly::testing
