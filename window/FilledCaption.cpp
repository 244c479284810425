#include "window/FilledCaption.h"

namespace tessaly {

std::string filledCaption(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
  std::string text(pattern);
  int number = 1;
  for (std::string_view value : arguments) {
    const std::string mark = "%" + std::to_string(number++);
    if (auto at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), value);
  }
  return text;
}

}  // namespace tessaly
