#include "app/CliProgress.h"

#include <unistd.h>

#include <cstdio>

namespace tessaly::cli {
namespace {

using namespace std::chrono_literals;
constexpr auto kLookAfter = 200ms;  // long enough to judge the pace
constexpr auto kLongRun = 1s;
constexpr auto kRefresh = 250ms;

}  // namespace

Progress::Progress(std::uint64_t total)
    : total_(total), allowed_(isatty(STDERR_FILENO) == 1 && isatty(STDOUT_FILENO) == 0) {}

Progress::~Progress() {
  if (shown_) std::fputs("\r\033[K", stderr);
}

void Progress::rowDone() {
  ++done_;
  // The clock is read every few hundred rows only.
  if (!allowed_ || done_ % 256 != 0) return;
  const auto now = Clock::now();
  const auto elapsed = now - start_;
  if (!shown_ && (elapsed < kLookAfter || elapsed * total_ / done_ < kLongRun)) return;
  if (shown_ && now - lastShown_ < kRefresh) return;
  lastShown_ = now;
  show();
}

void Progress::show() {
  shown_ = true;
  std::fprintf(stderr, "\rtessaly-cli: %llu of %llu rows (%llu%%)", static_cast<unsigned long long>(done_),
               static_cast<unsigned long long>(total_),
               static_cast<unsigned long long>(total_ ? done_ * 100 / total_ : 100));
  std::fflush(stderr);
}

}  // namespace tessaly::cli
