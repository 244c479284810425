#include "engine/Engine.h"

namespace tessaly {

// Quadrant correction for an angle its caller took as Atn(y/x).
void Engine::UnAtn() {
  const double y = s.AtnNum, x = s.AtnDen;
  if (y > 0 && x > 0) s.AtnAdd = 0;
  if (y == 0 && x > 0) s.AtnAdd = 0;
  if (y < 0 && x > 0) s.AtnAdd = 360;
  if (x < 0) s.AtnAdd = 180;
}

}  // namespace tessaly
