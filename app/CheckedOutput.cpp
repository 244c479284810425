#include "CheckedOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace tessaly::cli {

int writeOutput(std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(STDOUT_FILENO, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      std::cerr << "tessaly-cli: cannot write the output: "
                << (written < 0 ? std::strerror(errno) : "nothing was taken") << '\n';
      return kOutputFailed;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

}  // namespace tessaly::cli
