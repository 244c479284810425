#include "almanacwindow/WindowPlace.h"

#include <algorithm>

namespace tessaly {
namespace {

int within(int at, int size, int first, int length) { return std::max(first, std::min(at, first + length - size)); }

}  // namespace

Box insideScreen(Box window, const Box& screen) {
  window.x = within(window.x, window.width, screen.x, screen.width);
  window.y = within(window.y, window.height, screen.y, screen.height);
  return window;
}

Box besideMainWindow(const Box& main, int width, int height, const Box& screen) {
  const int roomRight = screen.right() - main.right();
  const int roomBelow = screen.bottom() - main.bottom();
  Box place{main.x, main.y, width, height};
  if (roomRight >= width || (roomBelow < height && roomRight * height >= roomBelow * width))
    place.x = main.right();
  else
    place.y = main.bottom();
  return insideScreen(place, screen);
}

}  // namespace tessaly
