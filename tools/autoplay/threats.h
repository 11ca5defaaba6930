#pragma once
// What the enemies on screen will do in the next frames, as far as a player can tell from
// watching them: where each will be, and whether it will touch the heroine on a given path.

#include <vector>

#include "game/game.h"
#include "side_view.h"

namespace autoplay {

// An enemy as seen now, in map pixels (so that it stays put while the view scrolls).
struct Seen {
  enum class What { Enemy, Boss, Bullet };
  What what = What::Enemy;
  int kind = 0;
  float x = 0, y = 0;    // map pixels of its top-left corner
  float dx = 0, dy = 0;  // its step each frame
};

// Every enemy, boss and boss bullet on screen.
std::vector<Seen> SeeEnemies(const korvela::Game& g);

// The first frame (1-based) of `path` in which an enemy touches her, or 0 when none does.
// `path` holds her body after each frame.
int FirstContact(const korvela::Game& g, std::vector<Seen> enemies, const std::vector<Body>& path);
// How many frames of `path` an enemy touches her in.
int ContactFrames(const korvela::Game& g, std::vector<Seen> enemies, const std::vector<Body>& path);

// True when a shot fired now, facing `dir`, would meet an enemy or a boss (level with her
// shot, in front of her within `reach` pixels).
// With `bosses` false only the ordinary enemies count.
bool EnemyInLine(const korvela::Game& g, int dir, float reach, bool bosses = true);

}  // namespace autoplay
