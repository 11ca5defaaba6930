#include "events/map_changes.h"

#include <array>

#include "events/event_cells.h"
#include "game/music.h"
#include "map/map_loader.h"
#include "weapons/weapons.h"

namespace korvela {

namespace {

using M = MapChange;
constexpr int16_t kKeep = M::kKeep;
constexpr uint8_t kStage = M::kScrollToZero | M::kEnemiesOff;
constexpr uint8_t kStageExit = M::kScrollToZero | M::kEnemiesOff | M::kClearShots;

constexpr uint8_t kSecretPassageCode = 58;

// One row per code, in the order the field-event pass tests them. m is the new GameMode; with
// "return" the origin is added to ReturnX, ReturnY (the way back from the secret passage).
// clang-format off
constexpr std::array<MapChange, 19> kMapChanges = {{
  //   clears first              map   m  music         origin    return heroine       facing steps
  {42, M::kNothing,              "02", 1, "Dragflit.mid", 219,  85, false, 7,     5,     1,     kStage},
  {43, M::kNothing,              "02", 1, "Dragflit.mid",  12,  85, false, 7,     5,     0,     kStage},
  {44, M::kBossesAndEnemyShots,  "01", 0, "Forest_A.mid",  47,  29, false, 7,     5,     kKeep, kStageExit},
  {45, M::kBossesAndEnemyShots,  "01", 0, "Forest_A.mid",  43,  29, false, 7,     5,     kKeep, kStageExit},
  {40, M::kNothing,              "02", 1, "Dragflit.mid",  61,  66, false, 7,     8,     1,     kStage},
  {41, M::kBossesAndEnemyShots,  "01", 0, "Forest_A.mid",  68,  53, false, 7,     5,     kKeep, kStageExit},
  {58, M::kNothing,              "02", 1, "Dragflit.mid", 115, 101, false, 7,     5,     kKeep, kStage | M::kSavesReturn},
  {60, M::kBossesAndEnemyShots,  "01", 0, "Forest_A.mid",   1,   0, true,  7,     5,     kKeep, kStageExit},
  {61, M::kBossesAndEnemyShots,  "01", 0, "Forest_A.mid",  -1,   0, true,  7,     5,     kKeep, kStageExit},
  {38, M::kNothing,              "03", 2, "Tavern03.mid",  18,  25, false, 7,     5,     kKeep, M::kNoSteps},
  {39, M::kNothing,              "01", 0, "Forest_A.mid",  89,  83, false, 7,     5,     kKeep, M::kNoSteps},
  {36, M::kNothing,              "02", 1, "Dragflit.mid",   4,  12, false, 7,     6,     0,     kStage | M::kArmsBossStage},
  {37, M::kBosses,               "01", 0, "Forest_A.mid",  90,  76, false, 7,     5,     kKeep, kStageExit},
  {34, M::kNothing,              "02", 1, "dungeon2.mid",   3,  30, false, 7,     7,     0,     kStage},
  {35, M::kBossesAndEnemyShots,  "01", 0, "Forest_A.mid", 114,  90, false, 7,     5,     kKeep, kStageExit},
  {32, M::kNothing,              "02", 1, "Cave01.mid",     2,  50, false, kKeep, kKeep, 0,     kStage},
  {33, M::kBosses,               "01", 0, "Forest_A.mid",  12,  13, false, 7,     5,     kKeep, M::kScrollToZero | M::kClearShots},
  {51, M::kNothing,              "02", 1, "dungeon2.mid",   3, 116, false, 7,     7,     0,     kStageExit},
  {52, M::kNothing,              "02", 1, "Dragflit.mid", 235,  12, false, 7,     6,     1,     kStageExit},
}};
// clang-format on

}  // namespace

const MapChange* FindMapChange(uint8_t code) {
  for (const MapChange& c : kMapChanges) {
    if (c.code == code) return &c;
  }
  return nullptr;
}

void RunMapChange(Game& g, const MapChange& c) {
  if (c.clears != M::kNothing) {
    for (int i = 0; i <= 3; ++i) g.Bosses[i].Active = 0;
  }
  if (c.clears == M::kBossesAndEnemyShots) {
    for (int i = 0; i <= 5; ++i) g.EnemyShots[i].Active = 0;
  }
  LoadMap(g, c.map);
  g.GameMode = c.mode;
  BgmOpen(g, c.music);
  BgmPlay(g);
  if (c.steps & M::kSavesReturn) {
    g.ReturnX = g.MapOriginX;
    g.ReturnY = g.MapOriginY;
  }
  if (c.originFromReturn) {
    g.MapOriginX = static_cast<int16_t>(g.ReturnX + c.originX);
    g.MapOriginY = static_cast<int16_t>(g.ReturnY + c.originY);
  } else {
    g.MapOriginX = c.originX;
    g.MapOriginY = c.originY;
  }
  if (c.playerX != kKeep) g.Player.PlayerX = c.playerX;
  if (c.playerY != kKeep) g.Player.PlayerY = c.playerY;
  if (c.facing != kKeep) {
    g.Player.Facing = c.facing;
    g.Player.AnimStep = 0;
  }
  if (c.steps & M::kScrollToZero) {
    g.ScrollX = 0;
    g.ScrollY = 0;
  }
  if (c.steps & M::kArmsBossStage) g.BossStage = 1;
  if (c.steps & M::kEnemiesOff) {
    for (int i = 0; i <= 9; ++i) g.Enemies[i].Active = 0;
  }
  if (c.steps & M::kClearShots) ClearShots(g);
  // The game stands still on the last drawn frame while the new music starts.
  g.platform.Sleep(500);
}

void MapChangesFor(Game& g, std::initializer_list<uint8_t> codes) {
  for (uint8_t code : codes) {
    if (HeroCell(g) != code) continue;
    if (const MapChange* c = FindMapChange(code)) RunMapChange(g, *c);
  }
}

void SecretPassage(Game& g) {
  const float r = Rnd(g);  // drawn on every pass, on the cell or not
  if (HeroCell(g) != kSecretPassageCode || g.Player.StoryFlags[11] != 0) return;
  SetHeroCell(g, 0);
  if (g.Player.PlayerLevel >= 10 && Int(r * 5) == 1) {
    RunMapChange(g, *FindMapChange(kSecretPassageCode));
  }
}

}  // namespace korvela
