#pragma once
// Periodic corrections of a mean phase: coefficient (plus a part in T) times
// the sine of a combination of M, M' and F. The multipliers are held as
// doubles: they enter the argument as such, without a conversion per term.
//
// The terms are the classic shortened phase corrections of the 1900 epoch
// (lunations counted from the mean new moon of 1900 January 0), one table
// for new and full moon and one for the quarters, with the method's
// coefficients in days kept digit for digit. The tests pin each table by its
// row count and a checksum.
#include <array>

namespace tessaly {

struct PhaseTerm {
  double m, mPrime, f;
  double coefficient;
  double perCentury = 0;
};

inline constexpr std::array<PhaseTerm, 13> kNewFullTerms{{
    {1, 0, 0, 0.1734, -0.000393}, {2, 0, 0, 0.0021},  {0, 1, 0, -0.4068},
    {0, 2, 0, 0.0161},            {0, 3, 0, -0.0004}, {0, 0, 2, 0.0104},
    {1, 1, 0, -0.0051},           {1, -1, 0, -0.0074}, {1, 0, 2, 0.0004},
    {-1, 0, 2, -0.0004},          {0, 1, 2, -0.0006}, {0, -1, 2, 0.001},
    {1, 2, 0, 0.0005},
}};

inline constexpr std::array<PhaseTerm, 15> kQuarterTerms{{
    {1, 0, 0, 0.1721, -0.0004}, {2, 0, 0, 0.0021},   {0, 1, 0, -0.628},
    {0, 2, 0, 0.0089},          {0, 3, 0, -0.0004},  {0, 0, 2, 0.0079},
    {1, 1, 0, -0.0119},         {1, -1, 0, -0.0047}, {1, 0, 2, 0.0003},
    {-1, 0, 2, -0.0004},        {0, 1, 2, -0.0006},  {0, -1, 2, 0.0021},
    {1, 2, 0, 0.0003},          {1, -2, 0, 0.0004},  {2, 1, 0, -0.0003},
}};

}  // namespace tessaly
