#pragma once
// Where the almanac window opens: beside the main window, never over it
// while the screen has room, and always inside the screen.
namespace tessaly {

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool operator==(const Box&) const = default;
};

// The window moved as far as needed to lie inside the screen; one larger
// than the screen keeps its top left corner on it, where its title bar can
// be taken.
Box insideScreen(Box window, const Box& screen);

// A window of the given size (frame included) beside the main window's
// frame: to its right, else below it, else on the side with the most
// room, moved as far as needed to lie inside the screen.
Box besideMainWindow(const Box& main, int width, int height, const Box& screen);

}  // namespace tessaly
