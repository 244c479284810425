// The coefficient tables pinned by their row count and a checksum of every
// value, so that a mistyped digit fails here, by the table's name, rather
// than as scattered differences in the reference cases.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <initializer_list>

#include "engine/MoonSeries.h"
#include "engine/PhaseSeries.h"

namespace tessaly {
namespace {

// FNV-1a over the bit patterns of the values, row by row.
class Checksum {
 public:
  Checksum& add(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
      hash_ ^= (bits >> (8 * i)) & 0xFF;
      hash_ *= 0x100000001B3u;
    }
    return *this;
  }
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325u;
};

template <std::size_t N>
std::uint64_t checksum(const std::array<MoonTerm, N>& table) {
  Checksum sum;
  for (const MoonTerm& t : table) sum.add(t.d).add(t.m).add(t.mPrime).add(t.f).add(t.coefficient).add(t.timesE);
  return sum.value();
}

template <std::size_t N>
std::uint64_t checksum(const std::array<PhaseTerm, N>& table) {
  Checksum sum;
  for (const PhaseTerm& t : table) sum.add(t.m).add(t.mPrime).add(t.f).add(t.coefficient).add(t.perCentury);
  return sum.value();
}

struct Pinned {
  const char* table;
  std::size_t rows, expectedRows;
  std::uint64_t sum, expectedSum;
};

void expectPinned(std::initializer_list<Pinned> tables) {
  for (const Pinned& p : tables) {
    EXPECT_EQ(p.rows, p.expectedRows) << p.table;
    EXPECT_EQ(p.sum, p.expectedSum) << p.table << ": a coefficient or multiplier differs";
  }
}

TEST(SeriesTables, MoonSeriesPinned) {
  expectPinned({
      {"longitude", kLongitudeTerms.size(), 50, checksum(kLongitudeTerms), 0xE5750363EBB44888u},
      {"latitude", kLatitudeTerms.size(), 34, checksum(kLatitudeTerms), 0xA8FBFED378B81027u},
      {"parallax", kParallaxTerms.size(), 30, checksum(kParallaxTerms), 0x734B0961EBC89ABEu},
  });
}

TEST(SeriesTables, PhaseSeriesPinned) {
  expectPinned({
      {"new and full moon", kNewFullTerms.size(), 13, checksum(kNewFullTerms), 0xFAFA7504187CC325u},
      {"quarters", kQuarterTerms.size(), 15, checksum(kQuarterTerms), 0x520258D80C728077u},
  });
}

}  // namespace
}  // namespace tessaly
