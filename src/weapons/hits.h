#pragma once
// What the heroine's attacks do to the enemies and bosses they reach: the regions a strike must
// meet, the wall test of shots and bombs, the damage and the defeats.
#include <optional>

#include "game/game.h"

namespace korvela {

// The four ways an attack meets a target; each has its own target region.
enum class Strike { Shot, BombInFlight, Burst, Fire };

// Which attack beat a boss (the last boss stops the music only for a shot).
enum class Attack { Shot, Bomb, Fire };

// A screen rectangle by its edges; a point on an edge is outside, touching boxes do not overlap.
struct Box {
  float left, top, right, bottom;
};
bool PointInside(float x, float y, const Box& box);
bool Overlaps(const Box& a, const Box& b);

// The region of an enemy or a boss for a strike; none when that strike never reaches it.
std::optional<Box> EnemyRegion(const EnemyRecord& e, Strike strike);
std::optional<Box> BossRegion(const EnemyRecord& b, Strike strike);

// Tile number of MapLayer1 at (col, row); cells beyond the map read as open ground (0).
uint8_t TileAt(const Game& g, int col, int row);
// A shot or a bomb at (x, y) moving by dx runs into a wall.
bool ShotBlocked(const Game& g, int16_t x, int16_t y, int16_t dx);
bool BombBlocked(const Game& g, int16_t x, int16_t y, int16_t dx);

// Damage to one target: Hp down by power, the hit sound when asked, the defeat at 0 or below.
void HurtEnemy(Game& g, int slot, int power, bool hitSound);
void HurtBoss(Game& g, int slot, int power, bool hitSound, Attack attack);

// A burst or a fire harms every enemy and boss in use whose region overlaps `area`; enemies take
// it silently, bosses with the hit sound when `bossHitSound` is set.
void HarmOverlapping(Game& g, const Box& area, Strike strike, int power, bool bossHitSound,
                     Attack attack);

// A beaten enemy: freed, its death cry, its experience, the caption.
void DefeatEnemy(Game& g, int slot);
// A beaten boss: what its kind changes (sound, experience, story flags, messages, the gate).
void DefeatBoss(Game& g, int slot, Attack attack);
// The way out that the last boss leaves: two cells of screen rows 7 and 8, in both layers.
void OpenFinalGate(Game& g, float bossX);

// Slots of the tables that the attacks use and test against.
constexpr int kShotSlots = 21;
constexpr int kFireSlots = 5;
constexpr int kBombSlots = 6;
constexpr int kEnemySlots = 10;
constexpr int kBossSlots = 4;

}  // namespace korvela
