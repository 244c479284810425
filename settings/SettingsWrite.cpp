// Replacing the settings file so that it is complete at every moment, even
// when the save is killed part-way, and so that nothing is left behind.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <system_error>

#include "settings/Descriptor.h"
#include "settings/SettingsFile.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;

// Far more than any sensible chain of links; a loop ends here.
constexpr int kMostLinksFollowed = 40;
constexpr std::string_view kTemporaryMark = ".tmp-";

std::string errnoText(int code) { return std::system_category().message(code); }

bool fail(std::string* error, const std::string& reason) {
  if (error != nullptr) *error = reason;
  return false;
}

// The file a path names in the end: a symbolic link (dotfile managers make
// the settings file one) is followed, so that its target is replaced and the
// link stays.
std::optional<fs::path> linkTarget(fs::path path, std::string* error) {
  for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) {
      fail(error, "Cannot follow the link " + path.string() + ": " + ec.message());
      return std::nullopt;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  fail(error, "Too many links from " + path.string());
  return std::nullopt;
}

// ".tessaly.ini.tmp-" followed by a process id and a count.
std::string temporaryPrefix(const fs::path& file) {
  return "." + file.filename().string() + std::string(kTemporaryMark);
}

fs::path temporaryName(const fs::path& file) {
  static std::atomic<unsigned> counter{0};
  return file.parent_path() / (temporaryPrefix(file) + std::to_string(::getpid()) + "-" +
                               std::to_string(counter.fetch_add(1)));
}

// A save killed between naming its temporary file and the rename leaves it
// behind; it is removed once the process that made it runs no more.
void removeStaleTemporaries(const fs::path& file) {
  const std::string prefix = temporaryPrefix(file);
  std::error_code ec;
  for (fs::directory_iterator it(file.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.starts_with(prefix)) continue;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    pid_t pid = 0;
    const auto [after, result] = std::from_chars(first, last, pid);
    if (result != std::errc() || after == last || *after != '-' || pid <= 0) continue;
    if (::kill(pid, 0) != 0 && errno == ESRCH) ::unlink(it->path().c_str());
  }
}

bool writeAll(int fd, std::string_view content, int& failure) {
  off_t offset = 0;
  while (!content.empty()) {
    const ssize_t written = ::pwrite(fd, content.data(), content.size(), offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      failure = errno;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
    offset += written;
  }
  return true;
}

// Keep the permissions of the file being replaced, but never without the
// owner's reading and writing: start-up must read back what was saved.
void keepPermissions(int fd, const fs::path& file) {
  struct stat old {};
  if (::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode))
    (void)::fchmod(fd, (old.st_mode & 07777) | S_IRUSR | S_IWUSR);
}

// Makes the rename itself durable; a failure here cannot be undone and the
// file is already replaced, so it is not reported.
void syncFolder(const fs::path& folder) {
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.valid()) ::fsync(dir.get());
}

bool folderTakesNoFile(int code) { return code == EACCES || code == EPERM || code == EROFS; }

// Writes the content into an open file and flushes it; the step that failed
// and its errno otherwise.
bool writeAndFlush(int fd, std::string_view content, std::string& step, int& code) {
  if (!writeAll(fd, content, code)) {
    step = "write";
    return false;
  }
  if (::fsync(fd) != 0) {
    code = errno;
    step = "flush";
    return false;
  }
  return true;
}

// The folder takes no new file, so no temporary one either, but the file
// itself may be writable: it is rewritten from its start and cut to the new
// length only afterwards. Killed part-way, it then holds the new line ahead
// of the old line's tail, which start-up ignores.
bool writeInPlace(const fs::path& file, std::string_view content, std::string* error) {
  Descriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666));
  int code = errno;
  std::string step = "open";
  struct stat info {};
  if (fd.valid() && (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)))
    return fail(error, "Settings file " + file.string() + " is no regular file");
  if (fd.valid() && writeAndFlush(fd.get(), content, step, code)) {
    if (::ftruncate(fd.get(), static_cast<off_t>(content.size())) == 0 && ::fsync(fd.get()) == 0 &&
        fd.close())
      return true;
    code = errno;
    step = "finish";
  }
  return fail(error, "Cannot " + step + " settings file " + file.string() + ": " + errnoText(code));
}

// An unnamed file in the folder (it vanishes by itself when the save is
// killed), or a named one where the file system has no unnamed files.
int openTemporary(const fs::path& file, fs::path& named) {
  const int fd = ::open(file.parent_path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd >= 0 || folderTakesNoFile(errno)) return fd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    named = temporaryName(file);
    const int made = ::open(named.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (made >= 0 || errno != EEXIST) {
      if (made < 0) named.clear();
      return made;
    }
  }
  named.clear();
  errno = EEXIST;
  return -1;
}

// Gives the unnamed file a temporary name, the only way to rename it over
// the file: a link cannot replace an existing file.
bool nameTemporary(int fd, const fs::path& file, fs::path& named) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    named = temporaryName(file);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    if (errno != EEXIST) break;
  }
  named.clear();
  return false;
}

bool replace(const fs::path& file, std::string_view content, std::string* error) {
  const fs::path folder = file.parent_path();
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) return fail(error, "Cannot create folder " + folder.string() + ": " + ec.message());
  removeStaleTemporaries(file);

  fs::path named;
  Descriptor fd(openTemporary(file, named));
  if (!fd.valid()) {
    const int code = errno;
    if (folderTakesNoFile(code)) return writeInPlace(file, content, error);
    return fail(error, "Cannot create a temporary file in " + folder.string() + ": " + errnoText(code));
  }
  keepPermissions(fd.get(), file);

  int code = 0;
  std::string step;
  if (writeAndFlush(fd.get(), content, step, code)) {
    if (named.empty() && !nameTemporary(fd.get(), file, named)) {
      code = errno;
      step = "name";
    } else if (!fd.close()) {
      code = errno;
      step = "close";
    } else if (::rename(named.c_str(), file.c_str()) != 0) {
      code = errno;
      step = "replace";
    }
  }
  if (!step.empty()) {
    if (!named.empty()) ::unlink(named.c_str());
    return fail(error, "Cannot " + step + " settings file " + file.string() + ": " + errnoText(code));
  }
  syncFolder(folder);
  return true;
}

}  // namespace

bool writeSettingsFile(const fs::path& path, std::string_view content, std::string* error) {
  try {
    if (!path.has_filename()) return fail(error, "Settings file path has no file name: " + path.string());
    const std::optional<fs::path> file = linkTarget(path.parent_path().empty() ? "." / path : path, error);
    return file && replace(*file, content, error);
  } catch (...) {  // out of memory while building a name or a message
    try {
      fail(error, "Cannot write settings file " + path.string());
    } catch (...) {
    }
    return false;
  }
}

}  // namespace tessaly
