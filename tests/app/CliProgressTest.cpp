// A long run on a terminal that is interrupted, or whose reader goes,
// takes its progress line with it, and still ends by the signal, as the
// shell expects.
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

#include "tests/support/TempConfigHome.h"

namespace tessaly::cli {
namespace {

// Standard error on a pseudo-terminal, the rows into a pipe: years of rows
// a second apart, so that the progress line shows.
pid_t startLongRun(const std::string& terminal, int rows) {
  const pid_t child = fork();
  if (child != 0) return child;
  const int tty = open(terminal.c_str(), O_RDWR | O_NOCTTY);
  // As from an interactive shell, whatever the test runner ignores.
  for (const int signal : {SIGINT, SIGTERM, SIGPIPE}) std::signal(signal, SIG_DFL);
  if (tty < 0 || dup2(tty, STDERR_FILENO) < 0 || dup2(rows, STDOUT_FILENO) < 0) _exit(127);
  execl(TESSALY_CLI, TESSALY_CLI, "--zone", "2", "--lon", "30:15E", "--lat", "45:00N", "--from", "1.1.2026", "--days",
        "3650", "--step", "1s", static_cast<char*>(nullptr));
  _exit(127);
}

// What arrives on the terminal until `until` has arrived (or, when empty,
// until the other side is closed), waiting at most ten seconds.
void readTerminal(int master, std::string& seen, const std::string& until) {
  for (;;) {
    if (!until.empty() && seen.find(until) != std::string::npos) return;
    pollfd ready{master, POLLIN, 0};
    if (poll(&ready, 1, 10000) <= 0) return;
    char buffer[512];
    const ssize_t n = read(master, buffer, sizeof buffer);
    if (n <= 0) return;
    seen.append(buffer, static_cast<std::size_t>(n));
  }
}

// Signalled, or its reader gone.
TEST(CliProgress, AnInterruptATerminationOrAClosedPipeClearsTheProgressLine) {
  testing::TempConfigHome home;
  for (const int signal : {SIGINT, SIGTERM, SIGPIPE}) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0);
    // A socket in place of a pipe: its reading end can be shut while read.
    int rows[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, rows), 0);
    const pid_t child = startLongRun(ptsname(master), rows[1]);
    ASSERT_GT(child, 0);
    close(rows[1]);
    // The rows are read until the reader goes, once the progress line shows.
    std::thread reader([&] {
      char buffer[4096];
      while (read(rows[0], buffer, sizeof buffer) > 0) {}
    });
    std::string seen;
    readTerminal(master, seen, " rows (");
    if (signal == SIGPIPE) shutdown(rows[0], SHUT_RD);
    else kill(child, signal);
    int status = 0;
    waitpid(child, &status, 0);
    reader.join();
    close(rows[0]);
    readTerminal(master, seen, "");
    close(master);
    ASSERT_NE(seen.find(" rows ("), std::string::npos) << "no progress line: " << seen;
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_TRUE(seen.ends_with("\r\033[K")) << seen;
  }
}

}  // namespace
}  // namespace tessaly::cli
