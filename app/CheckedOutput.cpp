#include "app/CheckedOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/ExitStatus.h"

namespace tessaly::cli {

CheckedOutput::CheckedOutput(std::string program)
    : program_(std::move(program)), byLines_(isatty(STDOUT_FILENO) == 1) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

CheckedOutput::~CheckedOutput() { drain(); }

bool CheckedOutput::drain() {
  const char* next = pbase();
  while (!failed_ && next < pptr()) {
    const ssize_t written = ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      // The error number is read here, right after the write that set it.
      reason_ = written < 0 ? std::strerror(errno) : "nothing was taken";
      failed_ = true;
    } else {
      next += written;
    }
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return !failed_;
}

CheckedOutput::int_type CheckedOutput::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize CheckedOutput::xsputn(const char* text, std::streamsize count) {
  if (failed_) return 0;
  const std::streamsize put = std::streambuf::xsputn(text, count);
  if (byLines_ && std::memchr(text, '\n', static_cast<std::size_t>(put)) && !drain()) return 0;
  return failed_ ? 0 : put;
}

int CheckedOutput::sync() { return drain() ? 0 : -1; }

int CheckedOutput::finish(std::ostream& err) {
  if (drain()) return kExitDone;
  err << program_ << ": cannot write the output: " << reason_ << '\n';
  return kExitOutputFailed;
}

int writeOutput(const std::string& program, std::string_view text, std::ostream& err) {
  CheckedOutput output(program);
  output.sputn(text.data(), static_cast<std::streamsize>(text.size()));
  return output.finish(err);
}

}  // namespace tessaly::cli
