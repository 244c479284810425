#include "app/DisplayCheck.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string_view>
#include <vector>

namespace tessaly {
namespace {

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

class Socket {
 public:
  explicit Socket(int domain) : fd_(::socket(domain, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// A Unix socket by path; abstract names start with '@'.
bool unixSocketAnswers(const std::string& path) {
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.data(), path.size());
  socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
  if (path.starts_with('@'))
    address.sun_path[0] = '\0';
  else
    ++length;
  Socket socket(AF_UNIX);
  return socket.fd() >= 0 && ::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), length) == 0;
}

bool tcpAnswers(const std::string& host, int port) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
  bool answered = false;
  for (addrinfo* a = found; a && !answered; a = a->ai_next) {
    Socket socket(a->ai_family);
    answered = socket.fd() >= 0 && ::connect(socket.fd(), a->ai_addr, a->ai_addrlen) == 0;
  }
  ::freeaddrinfo(found);
  return answered;
}

// DISPLAY is [host]:number[.screen]; no host (or "unix") means the local
// socket of that number.
bool x11Answers(const std::string& display) {
  const auto colon = display.rfind(':');
  if (colon == std::string::npos) return false;
  const std::string host = display.substr(0, colon);
  const int number = std::atoi(display.c_str() + colon + 1);
  if (host.empty() || host == "unix") {
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
    return unixSocketAnswers("@" + path) || unixSocketAnswers(path);
  }
  return tcpAnswers(host, 6000 + number);
}

// WAYLAND_DISPLAY is a socket name in XDG_RUNTIME_DIR, or a full path.
bool waylandAnswers(const std::string& display) {
  if (display.starts_with('/')) return unixSocketAnswers(display);
  const std::string runtime = environment("XDG_RUNTIME_DIR");
  return !runtime.empty() && unixSocketAnswers(runtime + "/" + display);
}

std::string shown(const char* name, const std::string& value) {
  return value.empty() ? std::string(name) + " is not set"
                       : std::string(name) + "=" + value + " does not answer";
}

}  // namespace

std::optional<std::string> missingDisplay() {
  const std::string x11 = environment("DISPLAY");
  const std::string wayland = environment("WAYLAND_DISPLAY");
  std::vector<std::string> platforms;
  std::stringstream list(environment("QT_QPA_PLATFORM"));
  for (std::string name; std::getline(list, name, ';');)
    if (!name.empty()) platforms.push_back(name.substr(0, name.find(':')));
  // Qt picks between the two display platforms itself when not told.
  if (platforms.empty()) platforms = {"xcb", "wayland"};

  for (const std::string& platform : platforms) {
    if (platform == "xcb") {
      if (!x11.empty() && x11Answers(x11)) return std::nullopt;
    } else if (platform.starts_with("wayland")) {
      if (!wayland.empty() && waylandAnswers(wayland)) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  return "tessaly: cannot open a display (" + shown("DISPLAY", x11) + ", " +
         shown("WAYLAND_DISPLAY", wayland) + ")";
}

}  // namespace tessaly
