// Replacing a file so that it is complete at every moment and nothing is
// left behind. POSIX file calls, so that every failure is seen with its
// errno, read at once before any other call can change it.
#include "settings/AtomicReplace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <string>
#include <system_error>
#include <thread>

#include "settings/Descriptor.h"

namespace tessaly {
namespace {

namespace fs = std::filesystem;
using Result = std::optional<ReplaceFailure>;

// Far more than any sensible chain of links; a loop ends here.
constexpr int kMostLinksFollowed = 40;
constexpr std::string_view kTemporaryMark = ".tmp-";
// A replacement takes milliseconds; one that holds the lock for longer is
// stopped or hung, and must not hang the caller with it.
constexpr auto kLongestLockWait = std::chrono::seconds(5);
constexpr auto kLockRetry = std::chrono::milliseconds(10);

Result failed(ReplaceStep step, int error) { return ReplaceFailure{step, error}; }

// The file a path names in the end: a symbolic link (dotfile managers make
// the settings file one) is followed, so that its target is replaced and the
// link stays. Nothing, with the errno in error, when a link cannot be read.
std::optional<fs::path> linkTarget(fs::path path, int& error) {
  for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) {
      error = ec.value();
      return std::nullopt;
    }
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  error = ELOOP;
  return std::nullopt;
}

fs::path withFolder(const fs::path& path) { return path.parent_path().empty() ? "." / path : path; }

// Takes the exclusive advisory lock of an open file or folder, waiting for
// another holder a while: 0, or the errno. Where the file system has no such
// locks (some network ones) the caller goes on without, as it always did.
int lockExclusive(int fd, bool wait) {
  const auto giveUp = std::chrono::steady_clock::now() + kLongestLockWait;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int code = errno;
    if (code == EINTR) continue;
    if (code != EWOULDBLOCK) return 0;
    if (!wait || std::chrono::steady_clock::now() >= giveUp) return code;
    std::this_thread::sleep_for(kLockRetry);
  }
  return 0;
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

// A replacement killed between naming its temporary file and the rename
// leaves it behind; it is removed once the process that made it runs no
// more. The caller holds the folder's lock, so no replacement is on its way
// (one in another process namespace, whose process id means nothing here,
// included).
void removeStaleTemporariesOf(const fs::path& file) {
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

// Writes all of data at offset: 0, or the errno.
int writeAt(int fd, std::string_view data, off_t offset) {
  while (!data.empty()) {
    const ssize_t written = ::pwrite(fd, data.data(), data.size(), offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
    offset += written;
  }
  return 0;
}

Result writeAndFlush(int fd, std::string_view content) {
  if (const int code = writeAt(fd, content, 0)) return failed(ReplaceStep::Write, code);
  if (::fsync(fd) != 0) return failed(ReplaceStep::Flush, errno);
  return std::nullopt;
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

// The folder takes no new file, so no temporary one either, but the file
// itself may be writable. The part of the content beyond the old length is
// written and flushed first, so that a full disk shows before the old line
// is touched, and is cut off again then. Only then is the rest written from
// the start, and the file cut to the new length last. Killed part-way, the
// file holds the old line whole, or the new line ahead of the old line's
// tail, which start-up ignores.
Result writeInPlace(const fs::path& file, std::string_view content) {
  Descriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666));
  if (!fd.valid()) return failed(ReplaceStep::Open, errno);
  if (const int code = lockExclusive(fd.get(), true)) return failed(ReplaceStep::Lock, code);
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0) return failed(ReplaceStep::Open, errno);
  if (!S_ISREG(info.st_mode)) return failed(ReplaceStep::CheckFile, 0);

  const auto oldLength = static_cast<std::size_t>(info.st_size);
  if (content.size() > oldLength) {
    int code = writeAt(fd.get(), content.substr(oldLength), info.st_size);
    if (code == 0 && ::fsync(fd.get()) != 0) code = errno;
    if (code != 0) {
      (void)::ftruncate(fd.get(), info.st_size);
      return failed(ReplaceStep::Reserve, code);
    }
  }
  if (const auto failure = writeAndFlush(fd.get(), content.substr(0, oldLength))) return failure;
  if (::ftruncate(fd.get(), static_cast<off_t>(content.size())) != 0 || ::fsync(fd.get()) != 0)
    return failed(ReplaceStep::Finish, errno);
  if (!fd.close()) return failed(ReplaceStep::Close, errno);
  return std::nullopt;
}

// Gives the unnamed file a temporary name, the only way to rename it over
// the file: a link cannot replace an existing file. 0, or the errno.
int nameTemporary(int fd, const fs::path& file, const fs::path& descriptorFolder, fs::path& named) {
  const fs::path self = descriptorFolder / std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    named = temporaryName(file);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, named.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != EEXIST) break;
  }
  const int code = errno;
  named.clear();
  return code;
}

// The content in an unnamed file in the folder (it vanishes by itself when
// the replacement is killed), given a name once it is whole and flushed.
Result unnamedTemporary(const fs::path& file, std::string_view content, const ReplaceOptions& options,
                        fs::path& named) {
  Descriptor fd(::open(file.parent_path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (!fd.valid()) return failed(ReplaceStep::CreateTemporary, errno);
  keepPermissions(fd.get(), file);
  if (const auto failure = writeAndFlush(fd.get(), content)) return failure;
  if (const int code = nameTemporary(fd.get(), file, options.descriptorFolder, named))
    return failed(ReplaceStep::Name, code);
  if (!fd.close()) return failed(ReplaceStep::Close, errno);
  return std::nullopt;
}

// The content in a named temporary file, for file systems without unnamed
// files and systems without the folder that names them.
Result namedTemporary(const fs::path& file, std::string_view content, fs::path& named) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    named = temporaryName(file);
    Descriptor fd(::open(named.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
    if (!fd.valid() && errno == EEXIST) continue;
    if (!fd.valid()) break;
    keepPermissions(fd.get(), file);
    auto failure = writeAndFlush(fd.get(), content);
    if (!failure && !fd.close()) failure = failed(ReplaceStep::Close, errno);
    return failure;
  }
  const int code = errno;
  named.clear();
  return failed(ReplaceStep::CreateTemporary, code);
}

// Called with the folder locked.
Result replaceLocked(const fs::path& file, std::string_view content, const ReplaceOptions& options) {
  struct stat info {};
  if (::lstat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return failed(ReplaceStep::CheckFile, 0);
  removeStaleTemporariesOf(file);

  const auto takesNoFile = [](const Result& failure) {
    return failure && failure->step == ReplaceStep::CreateTemporary && folderTakesNoFile(failure->error);
  };
  fs::path named;
  auto failure = unnamedTemporary(file, content, options, named);
  if (failure && !takesNoFile(failure) &&
      (failure->step == ReplaceStep::CreateTemporary || failure->step == ReplaceStep::Name))
    failure = namedTemporary(file, content, named);
  if (takesNoFile(failure)) return writeInPlace(file, content);
  if (!failure && ::rename(named.c_str(), file.c_str()) != 0) failure = failed(ReplaceStep::Rename, errno);
  if (failure) {
    if (!named.empty()) ::unlink(named.c_str());
    return failure;
  }
  syncFolder(file.parent_path());
  return std::nullopt;
}

}  // namespace

std::optional<ReplaceFailure> replaceFile(const fs::path& path, std::string_view content,
                                          const ReplaceOptions& options) {
  if (!path.has_filename()) return failed(ReplaceStep::CheckFile, 0);  // a folder's path
  int code = 0;
  const std::optional<fs::path> file = linkTarget(withFolder(path), code);
  if (!file) return failed(ReplaceStep::FollowLink, code);
  std::error_code ec;
  fs::create_directories(file->parent_path(), ec);
  if (ec) return failed(ReplaceStep::CreateFolder, ec.value());
  // A folder that cannot be opened (no read permission) is replaced in
  // without the lock, as it always was.
  Descriptor folder(::open(file->parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid())
    if (const int held = lockExclusive(folder.get(), true)) return failed(ReplaceStep::Lock, held);
  return replaceLocked(*file, content, options);
}

void removeStaleTemporaries(const fs::path& path) {
  int ignored = 0;
  const std::optional<fs::path> file = linkTarget(withFolder(path), ignored);
  if (!file) return;
  Descriptor folder(::open(file->parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid() && lockExclusive(folder.get(), false) == 0) removeStaleTemporariesOf(*file);
}

}  // namespace tessaly
