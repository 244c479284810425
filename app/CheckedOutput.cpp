#include "app/CheckedOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace tessaly::cli {

int outputFailed(const char* reason) {
  std::cerr << "tessaly-cli: cannot write the output: " << reason << '\n';
  return kOutputFailed;
}

int writeOutput(std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return outputFailed(written < 0 ? std::strerror(errno) : "nothing was taken");
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace tessaly::cli
