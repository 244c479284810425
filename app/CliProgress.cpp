#include "app/CliProgress.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iterator>

namespace tessaly::cli {
namespace {

using namespace std::chrono_literals;
constexpr auto kLookAfter = 200ms;  // long enough to judge the pace
constexpr auto kLongRun = 1s;
constexpr auto kRefresh = 250ms;

constexpr char kClearLine[] = "\r\033[K";

// An interrupted run must not leave its progress line on the terminal. The
// handler may use only what is safe in a signal: it clears the line, and
// the signal, raised again with its default action, ends the program as it
// would have.
volatile std::sig_atomic_t lineShown = 0;
// A closed pipe ends the run as an interrupt does.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGPIPE};
struct sigaction previousActions[std::size(kEndingSignals)];

extern "C" void clearLineAndEnd(int signal) {
  if (lineShown) {
    // Should the write fail, nothing more can be done here.
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, kClearLine, sizeof kClearLine - 1);
  }
  raise(signal);
}

void installHandlers() {
  struct sigaction action {};
  action.sa_handler = clearLineAndEnd;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESETHAND;
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
    sigaction(kEndingSignals[i], nullptr, &previousActions[i]);
    // A signal the caller ignores (a run in the background) stays ignored.
    if (previousActions[i].sa_handler != SIG_IGN) sigaction(kEndingSignals[i], &action, nullptr);
  }
}

void restoreHandlers() {
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
    sigaction(kEndingSignals[i], &previousActions[i], nullptr);
}

}  // namespace

Progress::Progress(std::uint64_t total)
    : total_(total), allowed_(isatty(STDERR_FILENO) == 1 && isatty(STDOUT_FILENO) == 0) {
  if (allowed_) installHandlers();
}

Progress::~Progress() {
  if (shown_) std::fputs(kClearLine, stderr);
  lineShown = 0;
  if (allowed_) restoreHandlers();
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
  lineShown = 1;
  std::fprintf(stderr, "\rtessaly-cli: %llu of %llu rows (%llu%%)", static_cast<unsigned long long>(done_),
               static_cast<unsigned long long>(total_),
               static_cast<unsigned long long>(total_ ? done_ * 100 / total_ : 100));
  std::fflush(stderr);
}

}  // namespace tessaly::cli
