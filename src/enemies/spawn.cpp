// Bringing enemies and bosses into play: the first free slot of their table, their hit points,
// where they start and the sound a boss makes as it arrives.
#include <array>
#include <optional>
#include <string_view>

#include "enemies/enemies.h"
#include "game/music.h"

namespace korvela {

namespace {

constexpr int kEnemySlots = 10;  // Enemies 0..9; slot 10 stays unused
constexpr int kBossSlots = 4;    // Bosses 0..3; slots 4 and 5 stay unused

// The first slot of the used range whose Active is 0.
template <typename Table>
std::optional<size_t> FirstFreeSlot(const Table& table, size_t used) {
  for (size_t i = 0; i < used; ++i) {
    if (table[i].Active == 0) return i;
  }
  return std::nullopt;
}

// Where each boss kind starts and what it sounds like. DX matters only for the two runners
// (kinds 6 and 7), which also start with DY 0; the others keep DX and DY from the slot.
struct BossStart {
  int16_t hp;
  float x, y, dx;
  int16_t dir;
  bool runner;
  std::string_view sound;  // empty: the boss arrives silently
};

constexpr std::array<BossStart, 8> kBossStarts{{
    {100, 480, -32, 0, 0, false, ""},
    {80, 544, 0, 0, 0, false, "liche1.wav"},
    {250, 512, 96, 0, 0, false, "daemon1.wav"},
    {250, 512, -32, 0, 0, false, "dragon1.wav"},
    {120, 960, -96, 0, 0, false, "dragon1.wav"},
    {150, 960, -96, 0, 0, false, "dragon1.wav"},
    {60, 544, 160, -16, 0, true, "liche1.wav"},
    {120, -64, 192, 16, 1, true, "liche1.wav"},
}};

}  // namespace

void SpawnEnemy(Game& g, int16_t kind) {
  // Only the four enemy kinds exist; another number would start an enemy that neither moves
  // nor has a picture, so it is dropped like a request to a full table.
  if (kind < 0 || kind > 3) return;
  const auto slot = FirstFreeSlot(g.Enemies, kEnemySlots);
  if (!slot) return;
  EnemyRecord& e = g.Enemies[*slot];
  e.Active = -1;
  e.Kind = kind;
  e.DX = 0;
  e.DY = 0;
  e.Anim = 0;
  e.Hp = static_cast<int16_t>(kind * 3 + 2);
  if (kind <= 1) {
    // The flyers come in from the left or the right edge with equal chance: side first, then
    // height.
    e.X = static_cast<float>(Int(Rnd(g) * 2) * g.ScreenWidth);
    e.Dir = e.X > 224 ? 0 : 1;
    if (kind == 0) {
      e.Y = static_cast<float>(g.Player.PlayerY * 32 - Int(Rnd(g) * 3) * 32);
    } else {
      e.Y = static_cast<float>(Int(g.ScreenHeight * Rnd(g)) - 100);
    }
  } else {
    // Walkers and runners drop in just beyond the right edge and head left.
    e.X = static_cast<float>(g.ScreenWidth + 64);
    e.Y = 1;
    e.Dir = 0;
    if (kind == 3) e.DX = -8;
  }
}

void SpawnBoss(Game& g, int16_t kind) {
  if (kind < 0 || kind >= static_cast<int16_t>(kBossStarts.size())) return;
  const auto slot = FirstFreeSlot(g.Bosses, kBossSlots);
  if (!slot) return;
  const BossStart& start = kBossStarts[static_cast<size_t>(kind)];
  // Timer and FireTimer stay as the slot last held them.
  EnemyRecord& b = g.Bosses[*slot];
  b.Active = -1;
  b.Hp = start.hp;
  b.Anim = 0;
  b.Kind = kind;
  b.Dir = start.dir;
  b.X = start.x;
  b.Y = start.y;
  if (start.runner) {
    b.DY = 0;
    b.DX = start.dx;
  }
  if (!start.sound.empty()) PlaySe(g, start.sound);
}

}  // namespace korvela
