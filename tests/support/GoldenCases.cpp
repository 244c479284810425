#include "tests/support/GoldenCases.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace tessaly::testing {

std::vector<GoldenCase> loadGoldenCases(const std::string& fileName) {
  const std::string path = std::string(TESSALY_GOLDEN_DIR) + "/" + fileName;
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::vector<GoldenCase> cases;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty()) continue;
    const auto j = nlohmann::json::parse(line);
    GoldenCase c;
    c.line = number;
    for (const auto& [key, value] : j["fields"].items())
      if (value.is_string() && key != "Lang") c.inputs[key] = value.get<std::string>();
    c.list1 = j["fields"]["List1"].get<int>();
    c.list2 = j["fields"]["List2"].get<int>();
    c.azimShift = j["fields"]["AzimShift"].get<double>();
    c.lang = j["fields"]["Lang"].get<std::string>();
    if (!j["out"]["message"].is_null()) c.message = j["out"]["message"].get<std::string>();
    for (const auto& [key, value] : j["out"]["fields"].items()) c.expected[key] = value.get<std::string>();
    if (j.contains("clock")) {
      const auto& k = j["clock"];
      c.clock = ClockReading{k["day"], k["month"], k["year"], k["hour"], k["minute"], k["second"],
                             k["secs_since_midnight"]};
    }
    cases.push_back(std::move(c));
  }
  return cases;
}

}  // namespace tessaly::testing
