#pragma once
// A progress line on standard error for a long run: shown only when
// standard error is a terminal and the rows go elsewhere, so that it never
// mixes with the output, and only once the run looks like taking more than
// a second. An interrupt, a termination or a closed pipe clears it before
// the program ends. One progress line at a time.
#include <chrono>
#include <cstdint>

namespace tessaly::cli {

class Progress {
 public:
  explicit Progress(std::uint64_t total);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  void rowDone();

 private:
  void show();

  using Clock = std::chrono::steady_clock;
  std::uint64_t total_;
  std::uint64_t done_ = 0;
  bool allowed_;
  bool shown_ = false;
  Clock::time_point start_ = Clock::now();
  Clock::time_point lastShown_;
};

}  // namespace tessaly::cli
