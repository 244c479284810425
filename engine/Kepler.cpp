#include <cmath>

#include "engine/Engine.h"

namespace tessaly {

void Engine::Kepler() {
  const double e = 0.0167086;
  const double m = s.MeanAnom;
  double E = m;
  // Newton's method converges in two corrections for this eccentricity; the
  // bound only guards against a non-finite anomaly.
  for (int correction = 0; correction < 50; ++correction) {
    s.ScratchV = E - e * std::sin(E) - m;
    if (std::fabs(s.ScratchV) <= 1e-7) break;
    E = E - s.ScratchV / (1 - e * std::cos(E));
  }
  s.EccAnom = E;
}

}  // namespace tessaly
