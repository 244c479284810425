#pragma once
// Replacing a file's content so that the file is whole at every moment: when
// the replacement is killed part-way, meets a full disk or runs beside
// another one. The settings file is saved through it.
#include <filesystem>
#include <optional>
#include <string_view>

namespace tessaly {

// The step of a replacement that failed.
enum class ReplaceStep {
  FollowLink,       // reading a symbolic link on the way, or too many links
  CreateFolder,     // creating the missing folder
  CheckFile,        // something other than a regular file in the file's place
  Lock,             // another replacement held the lock too long
  CreateTemporary,  // the temporary file beside the file
  Open,             // the file itself, to rewrite it in place
  Reserve,          // room for a longer content, taken before the old is touched
  Write,
  Flush,
  Name,             // giving the unnamed temporary file its name
  Close,
  Rename,           // the temporary file over the file
  Finish,           // cutting the file rewritten in place to its new length
};

struct ReplaceFailure {
  ReplaceStep step;
  int error;  // the failed call's errno; 0 where no call failed (CheckFile)
};

struct ReplaceOptions {
  // Where this process's open files appear by number: an unnamed temporary
  // file gets its name through it. Where it is missing (no /proc) a named
  // temporary file is used instead.
  std::filesystem::path descriptorFolder = "/proc/self/fd";
};

// Replaces the content of the file at path, or creates it, with its folder.
// A symbolic link is followed, so that the link stays and its target is
// replaced. The content goes to a temporary file beside the file, is flushed
// (fsync) and renamed over it; where the folder takes no new file but the
// file is writable, the file is rewritten in place instead. Replacements of
// one file wait for each other (an advisory lock on the folder, and on the
// file in place), and temporary files left by killed ones are removed first.
// On failure the old file is as it was and no temporary file stays. Throws
// nothing but std::bad_alloc.
std::optional<ReplaceFailure> replaceFile(const std::filesystem::path& path, std::string_view content,
                                          const ReplaceOptions& options = {});

// Removes the temporary files that replacements killed part-way left beside
// the file at path, once the process that made them runs no more. Skipped
// while a replacement is in progress: that one removes them.
void removeStaleTemporaries(const std::filesystem::path& path);

}  // namespace tessaly
