#include "shell/frame_loop.h"

#include <span>

#include "enemies/enemies.h"
#include "events/field_events.h"
#include "game/keyboard.h"
#include "game/music.h"
#include "map/map_draw.h"
#include "player/attack_select.h"
#include "player/movement.h"
#include "player/status.h"
#include "text/scenes.h"
#include "weapons/weapons.h"

namespace korvela {

namespace {

struct Step {
  const char* name;
  void (*run)(Game&);
};

// Every frame, before the mode's routines.
constexpr Step kCommonSteps[] = {
    {"DrawMap", DrawMap},
    {"DrawWeaponIcons", DrawWeaponIcons},
    {"SelectWeaponX", SelectWeaponX},
    {"SelectWeaponC", SelectWeaponC},
};

// Modes 0 and 2: walking on a top-down map.
constexpr Step kTopDownSteps[] = {
    {"MovePlayer", MovePlayer},   {"DrawGauges", DrawGauges},       {"DrawPlayer", DrawPlayer},
    {"FieldEvents", FieldEvents}, {"SearchCommand", SearchCommand},
};

// Mode 1: the side-view stages with combat.
constexpr Step kSideViewSteps[] = {
    {"MovePlayer", MovePlayer},
    {"FireShot", FireShot},
    {"ThrowBomb", ThrowBomb},
    {"CastFire", CastFire},
    {"MoveEnemies", MoveEnemies},
    {"BossLogic", BossLogic},
    {"EnemyShotsHitPlayer", EnemyShotsHitPlayer},
    {"DrawGauges", DrawGauges},
    {"DrawPlayer", DrawPlayer},
    {"ShotHits", ShotHits},
    {"BombHits", BombHits},
    {"FireHits", FireHits},
    {"DrawBosses", DrawBosses},
    {"DrawShots", DrawShots},
    {"DrawBombs", DrawBombs},
    {"DrawFires", DrawFires},
    {"DrawEnemies", DrawEnemies},
    {"DrawEnemyShots", DrawEnemyShots},
    {"FieldEvents", FieldEvents},
    {"CoolDownCounters", CoolDownCounters},
};

void RunSteps(Game& g, std::span<const Step> steps) {
  for (const Step& step : steps) {
    if (g.StepTrace) g.StepTrace->push_back(step.name);
    step.run(g);
  }
}

template <typename Table>
int CountActive(const Table& table) {
  int n = 0;
  for (const auto& r : table) n += (r.Active == -1);
  return n;
}

template <typename Table>
int CountPhased(const Table& table) {
  int n = 0;
  for (const auto& r : table) n += (r.Phase != 0);
  return n;
}

void NoteFrame(Game& g) {
  platform::FrameRecord r;
  r.mode = g.GameMode;
  r.map = g.MapName;
  r.originX = g.MapOriginX;
  r.originY = g.MapOriginY;
  r.scrollX = g.ScrollX;
  r.scrollY = g.ScrollY;
  r.playerY = g.Player.PlayerY;
  r.facing = g.Player.Facing;
  r.animStep = g.Player.AnimStep;
  r.hp = g.Player.PlayerHp;
  r.mp = g.Player.PlayerMp;
  r.exp = g.Player.PlayerExp;
  r.level = g.Player.PlayerLevel;
  r.shots = CountActive(g.Shots);
  r.fires = CountPhased(g.Fires);
  r.bombs = CountPhased(g.Bombs);
  r.enemies = CountActive(g.Enemies);
  r.bosses = CountActive(g.Bosses);
  r.enemyShots = CountActive(g.EnemyShots);
  g.platform.NoteFrame(r);
}

// Scream, the bare caption, silence and a one-second pause before the title screen.
void EndGame(Game& g) {
  PlaySe(g, "scream.wav");
  g.platform.SetCaption("KORVELA");
  BgmClose(g);
  g.platform.Sleep(1000);
}

}  // namespace

void EnterGameLoop(Game& g) {
  g.GameOver = 0;
  for (int i = 0; i <= 29; ++i) g.Shots[i].Active = 0;
  for (int i = 0; i <= 9; ++i) g.Enemies[i].Active = 0;
  for (int i = 0; i <= 5; ++i) g.EnemyShots[i].Active = 0;
  for (int i = 0; i <= 3; ++i) g.Bosses[i].Active = 0;
  g.BossStage = 0;
  g.EndingFlag = 0;
  g.BombCoolCount = 0;
  g.ShotCoolCount = 0;
  Randomize(g);
  g.Player.Jumping = 0;
  g.JumpCount = 1;
  g.Player.PlayerX = 7;
  g.Player.PlayerY = 5;
  g.Player.Facing = 0;
  g.Player.AnimStep = 0;
  UpdateCaption(g);
}

void CoolDownCounters(Game& g) {
  const int dexTenths = Int(g.Player.PlayerDex / 10);
  g.ShotCoolCount += 1;
  if (g.ShotReady == -1) g.ShotCoolCount = 0;
  if (g.ShotCoolCount > Int(60.0 / dexTenths)) {
    g.ShotReady = -1;
    g.ShotCoolCount = 0;
  }
  g.BombCoolCount += 1;
  if (g.BombReady == -1) g.BombCoolCount = 0;
  if (g.BombCoolCount > Int(500.0 / dexTenths) + 5) {
    g.BombReady = -1;
    g.BombCoolCount = 0;
  }
  if (g.HurtGuard == -1) {
    g.HurtCount += 1;
    if (g.HurtCount >= 10) {
      g.HurtGuard = 0;
      g.HurtCount = 0;
    }
  }
}

void RegenerateMp(Game& g) {
  PlayerRecord& p = g.Player;
  const float half = p.PlayerMaxMp / 2;
  if (p.PlayerMp < half) {
    p.PlayerMp += p.PlayerInt / 300;
  } else {
    p.PlayerMp += p.PlayerInt / 200;
  }
  if (p.PlayerMp <= 0) p.PlayerMp = 0;
  if (p.PlayerMp >= p.PlayerMaxMp) p.PlayerMp = p.PlayerMaxMp;
}

FrameResult RunFrame(Game& g) {
  g.Crt.Clear();
  g.FrameStart = static_cast<int32_t>(g.platform.Clock());
  RunSteps(g, kCommonSteps);
  if (g.GameMode == 0 || g.GameMode == 2) {
    RunSteps(g, kTopDownSteps);
  } else if (g.GameMode == 1) {
    RunSteps(g, kSideViewSteps);
  }
  if (g.Player.PlayerExp >= 5000) g.Player.PlayerExp = 5000;
  CheckLevelUp(g);
  g.platform.Present(g.Crt);
  RegenerateMp(g);
  if (g.Player.PlayerHp <= 0) g.GameOver = -1;
  NoteFrame(g);
  g.platform.Yield();
  if (KeyPressed(g, platform::Key::Escape) || g.GameOver == -1) {
    EndGame(g);
    return FrameResult::GameEnded;
  }
  if (g.EndingFlag == -1) {
    EndingScene(g);
    return FrameResult::GameEnded;
  }
  g.FrameEnd = static_cast<int32_t>(g.platform.Clock());
  g.FrameElapsed = g.FrameEnd - g.FrameStart;
  if (g.FrameElapsed < 40) g.platform.Sleep(static_cast<uint32_t>(40 - g.FrameElapsed));
  return FrameResult::Continue;
}

void GameLoop(Game& g) {
  EnterGameLoop(g);
  while (RunFrame(g) == FrameResult::Continue) {
  }
}

}  // namespace korvela
