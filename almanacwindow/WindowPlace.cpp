#include "almanacwindow/WindowPlace.h"

#include <algorithm>

namespace tessaly {
namespace {

// Inside the screen; a window larger than the screen keeps its top left
// corner on it, where its title bar can be taken.
int within(int at, int size, int first, int length) { return std::max(first, std::min(at, first + length - size)); }

}  // namespace

Box besideMainWindow(const Box& main, int width, int height, const Box& screen) {
  const int roomRight = screen.right() - main.right();
  const int roomBelow = screen.bottom() - main.bottom();
  Box place{main.x, main.y, width, height};
  if (roomRight >= width || (roomBelow < height && roomRight * height >= roomBelow * width))
    place.x = main.right();
  else
    place.y = main.bottom();
  place.x = within(place.x, width, screen.x, screen.width);
  place.y = within(place.y, height, screen.y, screen.height);
  return place;
}

}  // namespace tessaly
