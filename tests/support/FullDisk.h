#pragma once
// A full disk for the test's scope, without root or a small file system:
// the file-size limit makes every write beyond it fail (EFBIG), for root
// too, and the signal it would send is ignored.
#include <sys/resource.h>

#include <csignal>

namespace tessaly::testing {

class FullDisk {
 public:
  // Files can grow to at most `room` bytes.
  explicit FullDisk(rlim_t room) {
    ok_ = ::getrlimit(RLIMIT_FSIZE, &old_) == 0;
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old_;
    small.rlim_cur = room;
    ok_ = ok_ && ::setrlimit(RLIMIT_FSIZE, &small) == 0;
  }
  ~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
  // Whether the limit is in force.
  bool ok() const { return ok_; }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = nullptr;
  bool ok_ = false;
};

}  // namespace tessaly::testing
