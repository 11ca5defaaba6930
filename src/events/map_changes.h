#pragma once
// The map changes: event codes that load another map or stage, set the view, the heroine's
// place, the game mode and the music. Every change is one row of a table.

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "game/game.h"

namespace korvela {

struct MapChange {
  // What the change clears before the new map loads.
  enum Clears : uint8_t { kNothing, kBosses, kBossesAndEnemyShots };
  // What it does after placing the heroine.
  enum Steps : uint8_t {
    kNoSteps = 0,
    kScrollToZero = 1,   // ScrollX = ScrollY = 0
    kEnemiesOff = 2,     // Enemies 0-9 inactive
    kClearShots = 4,     // the heroine's attacks are emptied
    kArmsBossStage = 8,  // BossStage = 1 (the way in to the first boss)
    kSavesReturn = 16,   // ReturnX, ReturnY = the view before the change (the secret passage)
  };
  static constexpr int16_t kKeep = -1;  // PlayerX, PlayerY or Facing left as they are

  uint8_t code;
  Clears clears;
  std::string_view map;
  uint8_t mode;
  std::string_view music;
  int16_t originX, originY;
  bool originFromReturn;  // the origin is ReturnX, ReturnY plus the numbers above
  int16_t playerX, playerY;
  int16_t facing;  // 0 right, 1 left; also sets AnimStep 0
  uint8_t steps;
};

// The row of a code, or null when the code is no map change.
const MapChange* FindMapChange(uint8_t code);
// Makes the change: clears, map, mode, music, view, heroine, tables, then a half-second pause.
void RunMapChange(Game& g, const MapChange& change);
// Tests the heroine's cell against each code in turn, reading it afresh each time, and makes
// the change of every code it holds.
void MapChangesFor(Game& g, std::initializer_list<uint8_t> codes);
// Code 58: at level 10 or more, one chance in five on the first frame on the cell to open the
// way to the hidden stage; either way the cell is used up until the field is loaded again.
void SecretPassage(Game& g);

}  // namespace korvela
