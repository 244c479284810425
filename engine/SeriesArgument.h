#pragma once
// The argument of a periodic term: each angle times its multiplier, added in
// the order of the table's columns.
//
// A product with a zero multiplier is a zero, and adding a zero changes a sum
// at most in the sign of a zero result. A zero argument gives a cosine of 1
// and a sine term of zero, and a zero of either sign added to a series' running
// sum (which starts at +0 and so is never -0) leaves it as it is. So the zero
// products are left out; with the rows of a constant table unrolled, the
// tests vanish from the code as well.
namespace tessaly {

class SeriesArgument {
 public:
  SeriesArgument& add(double angle, double multiplier) {
    if (multiplier != 0) {
      sum_ = any_ ? sum_ + angle * multiplier : angle * multiplier;
      any_ = true;
    }
    return *this;
  }
  double value() const { return sum_; }

 private:
  double sum_ = 0;
  bool any_ = false;
};

}  // namespace tessaly
