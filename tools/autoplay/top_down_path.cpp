#include "top_down_path.h"

#include <array>
#include <vector>

namespace autoplay {

namespace {

struct Step {
  int dx, dy;
  platform::Key key;
};
constexpr std::array<Step, 4> kSteps = {{{0, -1, platform::Key::Up},
                                         {1, 0, platform::Key::Right},
                                         {0, 1, platform::Key::Down},
                                         {-1, 0, platform::Key::Left}}};

}  // namespace

Cell HeroCellTopDown(const korvela::Game& g) {
  return {(g.MapOriginX + g.Player.PlayerX) & g.MapSize,
          (g.MapOriginY + g.Player.PlayerY) & g.MapSize};
}

bool ActiveFieldCode(uint8_t code) {
  return (code >= 32 && code <= 45) || code == 48 || code == 51 || code == 52 || code == 58 ||
         code == 60 || code == 61 || code == 185;
}

std::optional<platform::Key> FirstStepTowards(const korvela::Game& g,
                                              const std::function<bool(Cell, uint8_t)>& goal,
                                              int* length) {
  const int side = g.MapLayer1.Side();
  if (side == 0 || g.MapLayer2.Side() != side) return std::nullopt;
  const int mask = g.MapSize;
  const Cell start = HeroCellTopDown(g);
  // For each cell, the first step taken from the start to reach it, and the distance.
  std::vector<int8_t> first(static_cast<size_t>(side) * side, -1);
  std::vector<int> dist(first.size(), -1);
  std::vector<Cell> queue{start};
  auto index = [side](Cell c) { return static_cast<size_t>(c.y) * side + c.x; };
  if (!g.MapLayer1.Contains(start.x, start.y)) return std::nullopt;
  dist[index(start)] = 0;
  for (size_t head = 0; head < queue.size(); ++head) {
    const Cell c = queue[head];
    const uint8_t code = g.MapLayer2(c.x, c.y);
    if (!(c == start) && goal(c, code)) {
      if (length) *length = dist[index(c)];
      return kSteps[static_cast<size_t>(first[index(c)])].key;
    }
    // An active cell that is not the goal would take her somewhere else.
    if (!(c == start) && ActiveFieldCode(code)) continue;
    for (size_t s = 0; s < kSteps.size(); ++s) {
      const Cell n{(c.x + kSteps[s].dx) & mask, (c.y + kSteps[s].dy) & mask};
      if (!g.MapLayer1.Contains(n.x, n.y) || dist[index(n)] >= 0) continue;
      if (g.MapLayer1(n.x, n.y) >= 128) continue;
      dist[index(n)] = dist[index(c)] + 1;
      first[index(n)] = c == start ? static_cast<int8_t>(s) : first[index(c)];
      queue.push_back(n);
    }
  }
  return std::nullopt;
}

}  // namespace autoplay
