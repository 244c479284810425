// Where the settings file lives, and reading and saving it. POSIX file
// calls, so that every failure is seen and nothing throws.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "settings/AtomicReplace.h"
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

// What went wrong in each step of a replacement, in the words of a message.
constexpr std::pair<ReplaceStep, const char*> kStepReasons[] = {
    {ReplaceStep::FollowLink, "cannot follow its link"},
    {ReplaceStep::CreateFolder, "cannot create its folder"},
    {ReplaceStep::CheckFile, "it is no regular file"},
    {ReplaceStep::Lock, "another save does not end"},
    {ReplaceStep::CreateTemporary, "cannot create a temporary file beside it"},
    {ReplaceStep::Open, "cannot open it"},
    {ReplaceStep::Reserve, "no room for the new line"},
    {ReplaceStep::Write, "cannot write it"},
    {ReplaceStep::Flush, "cannot flush it to the disk"},
    {ReplaceStep::Name, "cannot name the temporary file"},
    {ReplaceStep::Close, "cannot close it"},
    {ReplaceStep::Rename, "cannot put the new file in its place"},
    {ReplaceStep::Finish, "cannot cut it to the new line"},
};

std::string reasonText(const ReplaceFailure& failure) {
  std::string reason = "cannot save it";
  for (const auto& [step, text] : kStepReasons)
    if (step == failure.step) reason = text;
  if (failure.error != 0) reason += " (" + std::system_category().message(failure.error) + ")";
  return reason;
}

// What start-up reads back whole: the settings line, and the linked zone's
// line if there is one, each ended by CR LF, within kLongestSettingsLine bytes.
bool isReadBackWhole(std::string_view content) {
  const std::size_t end = content.find_first_of("\r\n");
  if (end > kLongestSettingsLine || content.substr(end, 2) != "\r\n") return false;
  const std::string_view rest = content.substr(end + 2);
  return rest.empty() || (content.size() <= kLongestSettingsLine && rest.find_first_of("\r\n") == rest.size() - 2 &&
                          rest.ends_with("\r\n"));
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

bool writeSettingsFile(const std::filesystem::path& path, std::string_view content, std::string* error) {
  try {
    std::optional<std::string> reason;
    if (!isReadBackWhole(content))
      reason = "start-up would not read the line back whole";
    else if (const auto failure = replaceFile(path, content))
      reason = reasonText(*failure);
    if (reason && error != nullptr) *error = *reason;
    return !reason;
  } catch (...) {  // out of memory while building a name or a message
    if (error != nullptr) *error = "out of memory";  // short enough to need no memory
    return false;
  }
}

}  // namespace tessaly
