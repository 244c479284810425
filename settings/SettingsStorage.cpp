// Where the settings file lives and how it is read and replaced. POSIX file
// calls, so that every failure is seen and nothing throws.
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <vector>

#include "SettingsFile.h"

namespace tessaly {
namespace {

constexpr const char* kFileName = "tessaly.ini";

// Closes the descriptor it holds when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Closes now and tells whether the close succeeded (a write error may only
  // show here).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::string errnoText(int code) { return std::system_category().message(code); }

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

bool writeAll(int fd, std::string_view content, int& failure) {
  const char* data = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      failure = errno;
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

// Makes the rename itself durable; a failure here cannot be undone and the
// file is already replaced, so it is not reported.
void syncFolder(const std::filesystem::path& folder) {
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

std::filesystem::path temporaryPathBeside(const std::filesystem::path& path) {
  static std::atomic<unsigned> counter{0};
  std::string name = "." + path.filename().string() + ".tmp-" + std::to_string(::getpid()) +
                     "-" + std::to_string(counter.fetch_add(1));
  return path.parent_path() / name;
}

bool fail(std::string* error, const std::string& reason) {
  if (error != nullptr) *error = reason;
  return false;
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

std::optional<std::string> readSettingsFile(const std::filesystem::path& path) {
  try {
    // O_NONBLOCK so that a FIFO in the file's place cannot block the opening;
    // only regular files are read.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid()) return std::nullopt;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    std::string bytes;
    if (info.st_size > 0) bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
      const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
      if (got < 0) {
        if (errno == EINTR) continue;
        return std::nullopt;
      }
      if (got == 0) break;
      bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return bytes;
  } catch (...) {  // out of memory for a giant file
    return std::nullopt;
  }
}

bool writeSettingsFile(const std::filesystem::path& path, std::string_view content,
                       std::string* error) {
  std::filesystem::path temporary;
  try {
    if (!path.has_filename()) return fail(error, "Settings file path has no file name: " + path.string());
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();

    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) return fail(error, "Cannot create folder " + folder.string() + ": " + ec.message());

    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
      temporary = temporaryPathBeside(folder / path.filename());
      fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
      if (fd < 0 && errno != EEXIST) {
        const int code = errno;
        temporary.clear();
        return fail(error, "Cannot create a temporary file in " + folder.string() + ": " +
                               errnoText(code));
      }
    }
    if (fd < 0) {
      temporary.clear();
      return fail(error, "Cannot create a temporary file in " + folder.string());
    }
    Descriptor file(fd);

    // Keep the permissions of the file being replaced, but never without the
    // owner's reading and writing: start-up must read back what was saved.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode))
      (void)::fchmod(file.get(), (old.st_mode & 07777) | S_IRUSR | S_IWUSR);

    int code = 0;
    std::string step;
    if (!writeAll(file.get(), content, code)) {
      step = "write";
    } else if (::fsync(file.get()) != 0) {
      code = errno;
      step = "flush";
    } else if (!file.close()) {
      code = errno;
      step = "close";
    } else if (::rename(temporary.c_str(), path.c_str()) != 0) {
      code = errno;
      step = "replace";
    }
    if (!step.empty()) {
      ::unlink(temporary.c_str());
      return fail(error, "Cannot " + step + " settings file " + path.string() + ": " +
                             errnoText(code));
    }
    syncFolder(folder);
    return true;
  } catch (...) {  // out of memory while building a name or a message
    if (!temporary.empty()) ::unlink(temporary.c_str());
    try {
      fail(error, "Cannot write settings file " + path.string());
    } catch (...) {
    }
    return false;
  }
}

}  // namespace tessaly
