#include "app/WindowCommandLine.h"

#include <string>
#include <string_view>

#include "app/CheckedOutput.h"
#include "app/Version.h"

namespace tessaly {
namespace {

constexpr const char* kWindowUsage =
    "Usage: tessaly [--help | --version] [Qt options]\n"
    "Shows the Moon's position, phases, rise, set and culminations in a window,\n"
    "following the computer clock or for a moment you type.\n"
    "\n"
    "  --help       show this text\n"
    "  --version    show the program's name and version\n"
    "\n"
    "Qt's standard options, such as -platform NAME or -style NAME, are accepted too.\n"
    "Settings are read from $XDG_CONFIG_HOME/tessaly.ini (or ~/.config/tessaly.ini)\n"
    "and written there only by Settings > Save settings.\n";

}  // namespace

std::optional<int> answerWithoutWindow(int argc, const char* const* argv, std::ostream& err) {
  const std::string program = "tessaly";
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") return cli::writeOutput(program, kWindowUsage, err);
    if (arg == "--version") return cli::writeOutput(program, program + " (Tessaly) " + kVersion + "\n", err);
  }
  return std::nullopt;
}

}  // namespace tessaly
