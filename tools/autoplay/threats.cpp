#include "threats.h"

#include <cmath>

namespace autoplay {

namespace {

using korvela::kTileSize;

float ViewLeft(const Body& b) { return static_cast<float>(b.originX * kTileSize + b.scrollX); }
float HeroTop(const Body& b) { return static_cast<float>(b.row * kTileSize - b.lift); }

// Where a boss of each kind crushes or hurts her: the band across her centre line (offsets
// from its left edge) and the band her top edge must be in (offsets from its top).
struct Reach {
  float left, right, top, bottom;
};
constexpr Reach kBossReach[8] = {{0, 96, 0, 192},    {0, 32, 0, 96},   {-24, 192, 0, 192},
                                 {-24, 128, 0, 192}, {0, 192, 0, 192}, {0, 192, 0, 192},
                                 {0, 128, 0, 96},    {0, 128, 0, 96}};

bool Touches(const korvela::Game& g, const Seen& e, const Body& b) {
  const float sx = e.x - ViewLeft(b);
  const float sy = e.y - static_cast<float>(g.MapOriginY * kTileSize);
  const float top = HeroTop(b);
  // Margins of a few pixels each way: the guess of where things go is not exact.
  switch (e.what) {
    case Seen::What::Bullet: {
      const float cx = sx + 16, cy = sy + 16;
      return 216 < cx && cx < 264 && top - 8 < cy && cy < top + 72;
    }
    case Seen::What::Boss: {
      const Reach& r = kBossReach[e.kind & 7];
      return sx + r.left - 8 < 240 && 240 < sx + r.right + 8 && sy + r.top - 8 < top &&
             top < sy + r.bottom + 8;
    }
    case Seen::What::Enemy:
      break;
  }
  const bool across = e.kind == 3 ? (sx < 240 && 240 < sx + 80) : (224 < sx + 16 && sx + 16 < 256);
  return across && sy + 46 > top && sy + 18 < top + 64;
}

void StepEnemy(Seen& e, const korvela::Game& g, const Body& b) {
  if (e.what == Seen::What::Enemy && e.kind == 1) {
    // It homes on a point in her row.
    const float tx = ViewLeft(b) + 232;
    const float ty = static_cast<float>((g.MapOriginY + b.row) * kTileSize + 16);
    const float dx = tx - e.x, dy = ty - e.y;
    const float d = std::sqrt(dx * dx + dy * dy);
    if (d > 0) {
      e.x += dx * 4 / d;
      e.y += dy * 4 / d;
    }
    return;
  }
  e.x += e.dx;
  e.y += e.dy;
}

// Where a ground boss (kinds 0 to 3) stands once it has dropped onto the floor under it: they
// fall a row a frame, too fast to dodge once they are over her.
float LandedY(const korvela::Game& g, const korvela::EnemyRecord& b) {
  if (b.Kind < 0 || b.Kind > 3) return b.Y;
  const int feet = b.Kind == 1 ? 3 : 6;
  const int column = g.MapOriginX + korvela::CInt(b.X) / kTileSize + 1;
  int row = korvela::CInt(b.Y) / kTileSize;
  float y = b.Y;
  for (int i = 0; i < 15; ++i, ++row, y += kTileSize) {
    const int mapRow = g.MapOriginY + row + feet;
    if (g.MapLayer1.Contains(column, mapRow) && g.MapLayer1(column, mapRow) >= 128) break;
  }
  return y;
}

}  // namespace

std::vector<Seen> SeeEnemies(const korvela::Game& g) {
  std::vector<Seen> out;
  const float left = static_cast<float>(g.MapOriginX * kTileSize + g.ScrollX);
  const float top = static_cast<float>(g.MapOriginY * kTileSize);
  for (const auto& e : g.Enemies) {
    if (e.Active != -1) continue;
    Seen s{Seen::What::Enemy, e.Kind, e.X + left, e.Y + top, e.DX, 0};
    // Flyers and walkers keep a fixed speed; a runner may dash.
    if (e.Kind == 0) s.dx = e.Dir == 0 ? -8.0f : 8.0f;
    if (e.Kind == 2) s.dx = e.Dir == 0 ? -6.0f : 6.0f;
    if (e.Kind == 3 && s.dx == 0) s.dx = e.Dir == 0 ? -8.0f : 8.0f;
    out.push_back(s);
  }
  for (const auto& b : g.Bosses) {
    // A beaten dragon lies where it fell and harms no one.
    if (b.Active != -1 || (b.Kind == 3 && b.Hp < 1)) continue;
    out.push_back({Seen::What::Boss, b.Kind, b.X + left, LandedY(g, b) + top, 0, 0});
    // The walker comes on at 4 pixels a frame.
    if (b.Kind == 2) out.back().dx = -4;
    if (b.Kind >= 6) out.back().dx = b.DX;
  }
  for (const auto& s : g.EnemyShots) {
    if (s.Active != -1) continue;
    out.push_back({Seen::What::Bullet, 0, s.X + left, s.Y + top, static_cast<float>(s.DX),
                   static_cast<float>(s.DY)});
  }
  return out;
}

int FirstContact(const korvela::Game& g, std::vector<Seen> enemies, const std::vector<Body>& path) {
  for (size_t k = 0; k < path.size(); ++k) {
    for (Seen& e : enemies) {
      StepEnemy(e, g, path[k]);
      if (Touches(g, e, path[k])) return static_cast<int>(k) + 1;
    }
  }
  return 0;
}

int ContactFrames(const korvela::Game& g, std::vector<Seen> enemies,
                  const std::vector<Body>& path) {
  int frames = 0;
  for (const Body& b : path) {
    bool touched = false;
    for (Seen& e : enemies) {
      StepEnemy(e, g, b);
      touched = touched || Touches(g, e, b);
    }
    frames += touched ? 1 : 0;
  }
  return frames;
}

bool EnemyInLine(const korvela::Game& g, int dir, float reach, bool bosses) {
  const float shotY = static_cast<float>(g.Player.PlayerY * kTileSize - g.ScrollY + 26);
  for (const auto& e : g.Enemies) {
    if (e.Active != -1) continue;
    const float width = e.Kind == 3 ? 80.0f : 32.0f;
    const float ahead = dir > 0 ? e.X - 240 : 240 - (e.X + width);
    if (ahead > -16 && ahead < reach && e.Y < shotY && shotY < e.Y + 64) return true;
  }
  for (const auto& b : g.Bosses) {
    if (b.Active != -1 || !bosses) continue;
    const float ahead = dir > 0 ? b.X - 240 : 240 - (b.X + 192);
    if (ahead > -16 && ahead < 480 && b.Y < shotY && shotY < b.Y + 192) return true;
  }
  return false;
}

}  // namespace autoplay
