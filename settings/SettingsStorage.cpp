// Where the settings file lives and how it is read. POSIX file calls, so
// that every failure is seen and nothing throws.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "settings/Descriptor.h"
#include "settings/SettingsFile.h"

namespace tessaly {
namespace {

constexpr const char* kFileName = "tessaly.ini";

std::optional<std::filesystem::path> nonEmptyEnv(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::filesystem::path(value);
}

// The home folder: $HOME, else the password database entry of the user.
std::optional<std::filesystem::path> homeFolder() {
  if (auto home = nonEmptyEnv("HOME")) return home;
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
      found != nullptr && found->pw_dir != nullptr && *found->pw_dir != '\0')
    return std::filesystem::path(found->pw_dir);
  return std::nullopt;
}

// Where the first `lines` lines end: a line ends at CR LF, LF or CR. Nothing
// while the last of them has not ended yet.
std::optional<std::size_t> endOfLines(std::string_view bytes, std::size_t lines) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) return std::nullopt;
    if (--lines == 0) return end;
    start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
  }
}

}  // namespace

std::filesystem::path settingsFilePath() {
  // The XDG base directory rules ignore a relative XDG_CONFIG_HOME, like an
  // empty one.
  if (auto config = nonEmptyEnv("XDG_CONFIG_HOME"); config && config->is_absolute())
    return *config / kFileName;
  if (auto home = homeFolder()) return *home / ".config" / kFileName;
  return kFileName;  // no home at all: the working folder
}

std::optional<std::string> readSettingsFile(const std::filesystem::path& path, std::size_t lines) {
  try {
    // O_NONBLOCK so that a FIFO in the file's place cannot block the opening;
    // only regular files are read.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid()) return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::string bytes(kLongestSettingsLine, '\0');
    std::size_t size = 0;
    while (size < bytes.size()) {
      const ssize_t got = ::read(file.get(), bytes.data() + size, bytes.size() - size);
      if (got < 0) {
        if (errno == EINTR) continue;
        return std::nullopt;
      }
      if (got == 0) break;
      size += static_cast<std::size_t>(got);
      if (const auto end = endOfLines(std::string_view(bytes.data(), size), lines)) {
        size = *end;  // the lines are whole
        break;
      }
    }
    bytes.resize(size);
    return bytes;
  } catch (...) {  // out of memory
    return std::nullopt;
  }
}

}  // namespace tessaly
