#pragma once
// The exit statuses of both programs, by what they tell a script. The
// numbers of a usage error and of a failed output are those of the system's
// sysexits.h, which scripts already know.
namespace tessaly {

inline constexpr int kExitDone = 0;
// No display could be reached (the window program only).
inline constexpr int kExitNoDisplay = 1;
// Calculate refused an input; its message is on standard error.
inline constexpr int kExitInputRefused = 2;
// The command line asked for something that cannot be done.
inline constexpr int kExitUsage = 64;
// The output could not be written.
inline constexpr int kExitOutputFailed = 74;

}  // namespace tessaly
