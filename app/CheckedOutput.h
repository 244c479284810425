#pragma once
// Standard output written so that a failure is seen: a full disk or a
// closed terminal is no success, and the reason given is that of the write
// that failed, never a left-over error number.
#include <array>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace tessaly::cli {

// A stream buffer over standard output's file descriptor: whole blocks for
// a file or a pipe, whole lines for a terminal, as the C library buffers
// its standard output. After the first failed write every later one is
// refused, so that a stream on it turns bad at once.
class CheckedOutput : public std::streambuf {
 public:
  // The program named in the complaint.
  explicit CheckedOutput(std::string program);
  ~CheckedOutput() override;
  CheckedOutput(const CheckedOutput&) = delete;
  CheckedOutput& operator=(const CheckedOutput&) = delete;

  // Writes what is buffered. 0 when all the output was written; otherwise
  // says in one line on `err` that it could not be, and why, and returns
  // kExitOutputFailed.
  int finish(std::ostream& err);

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  bool drain();

  std::string program_;
  bool byLines_;
  bool failed_ = false;
  std::string reason_;  // of the first failed write
  std::array<char, 1 << 16> buffer_{};
};

// Writes the whole text to standard output; as finish().
int writeOutput(const std::string& program, std::string_view text, std::ostream& err);

}  // namespace tessaly::cli
