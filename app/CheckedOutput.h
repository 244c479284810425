#pragma once
// Standard output written so that a failure is seen: a full disk or a
// closed terminal is no success.
#include <string_view>

namespace tessaly::cli {

// The exit status when the output could not be written (an input/output error).
constexpr int kOutputFailed = 74;

// Says in one line on standard error that the output could not be written,
// and why; returns kOutputFailed.
int outputFailed(const char* reason);

// Writes the whole text to standard output. On failure says so in one line
// on standard error and returns kOutputFailed; 0 when all was written.
int writeOutput(std::string_view text);

}  // namespace tessaly::cli
