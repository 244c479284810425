// The coefficient tables pinned by their row count and a checksum of every
// value, so that a mistyped digit fails here, by the table's name, rather
// than as scattered differences in the reference cases.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "engine/MoonSeries.h"
#include "engine/PhaseSeries.h"

namespace tessaly {
namespace {

// FNV-1a over the bit patterns of the given columns, row by row.
template <typename Row, std::size_t N, typename... Column>
std::uint64_t checksum(const std::array<Row, N>& table, Column Row::*... columns) {
  std::uint64_t hash = 0xCBF29CE484222325u;
  const auto add = [&hash](double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) hash = (hash ^ ((bits >> (8 * i)) & 0xFF)) * 0x100000001B3u;
  };
  for (const Row& row : table) (add(row.*columns), ...);
  return hash;
}

template <std::size_t N>
std::uint64_t checksum(const std::array<MoonTerm, N>& table) {
  return checksum(table, &MoonTerm::d, &MoonTerm::m, &MoonTerm::mPrime, &MoonTerm::f, &MoonTerm::coefficient,
                  &MoonTerm::timesE);
}

template <std::size_t N>
std::uint64_t checksum(const std::array<PhaseTerm, N>& table) {
  return checksum(table, &PhaseTerm::m, &PhaseTerm::mPrime, &PhaseTerm::f, &PhaseTerm::coefficient,
                  &PhaseTerm::perCentury);
}

TEST(SeriesTables, MoonSeriesPinned) {
  EXPECT_EQ(kLongitudeTerms.size(), 50u);
  EXPECT_EQ(checksum(kLongitudeTerms), 0xE5750363EBB44888u) << "longitude: a coefficient or multiplier differs";
  EXPECT_EQ(kLatitudeTerms.size(), 34u);
  EXPECT_EQ(checksum(kLatitudeTerms), 0xA8FBFED378B81027u) << "latitude: a coefficient or multiplier differs";
  EXPECT_EQ(kParallaxTerms.size(), 30u);
  EXPECT_EQ(checksum(kParallaxTerms), 0x734B0961EBC89ABEu) << "parallax: a coefficient or multiplier differs";
}

TEST(SeriesTables, PhaseSeriesPinned) {
  EXPECT_EQ(kNewFullTerms.size(), 13u);
  EXPECT_EQ(checksum(kNewFullTerms), 0xFAFA7504187CC325u) << "new and full moon: a coefficient differs";
  EXPECT_EQ(kQuarterTerms.size(), 15u);
  EXPECT_EQ(checksum(kQuarterTerms), 0x520258D80C728077u) << "quarters: a coefficient differs";
}

}  // namespace
}  // namespace tessaly
