#include "game/game.h"

namespace korvela {

float Rnd(Game& g) {
  // 24 random bits give every float in [0, 1) on a uniform grid, never 1 itself.
  return static_cast<float>(g.Rng() >> 8) * (1.0f / 16777216.0f);
}

void Randomize(Game& g) {
  if (g.RandomSeed) {
    g.Rng.seed(*g.RandomSeed + g.RandomizeCount++);
  } else {
    g.Rng.seed(g.platform.Clock());
  }
}

int16_t CInt(double v) { return static_cast<int16_t>(std::nearbyint(v)); }

}  // namespace korvela
