// Damage to enemies and bosses, and what their defeats bring: experience, story flags, the item
// messages and the way out after the last boss.
#include "game/music.h"
#include "player/status.h"
#include "text/message.h"
#include "weapons/hits.h"

namespace korvela {

namespace {

constexpr const char* kHitSound = "dragon_asian_atk.wav";

// A beaten kind-3 boss stays on the field in its fourth frame (Anim 3) until the table is cleared.
bool FallenDragon(const EnemyRecord& b) { return b.Kind == 3 && b.Anim == 3.0f; }

void GainExp(Game& g, int exp) {
  g.Player.PlayerExp = static_cast<int16_t>(g.Player.PlayerExp + exp);
  UpdateCaption(g);
}

void SetFlag(Game& g, int index, uint8_t value) { g.Player.StoryFlags[index] = value; }

// The whole game holds still for a moment before an item message or the last boss's words.
void PauseBeforeMessage(Game& g) { g.platform.Sleep(2000); }

}  // namespace

void HurtEnemy(Game& g, int slot, int power, bool hitSound) {
  EnemyRecord& e = g.Enemies[slot];
  e.Hp = static_cast<int16_t>(e.Hp - power);
  if (hitSound) PlaySe2(g, kHitSound);
  if (e.Hp <= 0) DefeatEnemy(g, slot);
}

void HurtBoss(Game& g, int slot, int power, bool hitSound, Attack attack) {
  EnemyRecord& b = g.Bosses[slot];
  b.Hp = static_cast<int16_t>(b.Hp - power);
  if (hitSound && !FallenDragon(b)) PlaySe2(g, kHitSound);
  if (b.Hp <= 0) DefeatBoss(g, slot, attack);
}

void HarmOverlapping(Game& g, const Box& area, Strike strike, int power, bool bossHitSound,
                     Attack attack) {
  for (int j = 0; j < kEnemySlots; ++j) {
    const EnemyRecord& e = g.Enemies[j];
    if (e.Active == -1 && Overlaps(area, *EnemyRegion(e, strike))) HurtEnemy(g, j, power, false);
  }
  for (int k = 0; k < kBossSlots; ++k) {
    const EnemyRecord& b = g.Bosses[k];
    if (b.Active != -1) continue;
    const auto region = BossRegion(b, strike);
    if (region && Overlaps(area, *region)) HurtBoss(g, k, power, bossHitSound, attack);
  }
}

void DefeatEnemy(Game& g, int slot) {
  EnemyRecord& e = g.Enemies[slot];
  e.Active = 0;
  PlaySe2(g, "gazer4.wav");
  GainExp(g, e.Kind * 10 + 10);
}

void DefeatBoss(Game& g, int slot, Attack attack) {
  EnemyRecord& b = g.Bosses[slot];
  auto& flags = g.Player.StoryFlags;
  switch (b.Kind) {
    case 0:
      b.Active = 0;
      PlaySe2(g, "gazer4.wav");
      g.BossStage = 0;
      GainExp(g, 300);
      if (flags[7] == 0) SetFlag(g, 2, 1);
      break;
    case 1:
      b.Active = 0;
      PlaySe2(g, "liche5.wav");
      GainExp(g, 300);
      if (flags[8] == 0) SetFlag(g, 3, 1);
      break;
    case 2:
      b.Active = 0;
      PlaySe2(g, "daemon5.wav");
      GainExp(g, 500);
      break;
    case 3:
      // The dragon falls where it stands and stays in use; only its first fall cries out.
      if (!FallenDragon(b)) PlaySe2(g, "dragon5.wav");
      b.Active = -1;
      b.Anim = 3.0f;
      break;
    case 4:
      b.Active = 0;
      PlaySe2(g, "dragon5.wav");
      GainExp(g, 500);
      if (flags[4] == 0) SetFlag(g, 4, 1);
      break;
    case 5:
      b.Active = 0;
      PlaySe2(g, "dragon5.wav");
      GainExp(g, 1000);
      if (flags[4] == 1) SetFlag(g, 4, 0);
      break;
    case 6:
      b.Active = 0;
      PlaySe2(g, "liche5.wav");
      GainExp(g, 500);
      PauseBeforeMessage(g);
      ShowMessage(g, U"爆弾の入った袋を手に入れた。Pe");
      SetFlag(g, 11, 1);
      break;
    case 7:
      b.Active = 0;
      PlaySe2(g, "liche5.wav");
      UpdateCaption(g);
      if (attack == Attack::Shot) BgmStop(g);
      PauseBeforeMessage(g);
      ShowMessage(g,
                  U"くっ！\\P徳の心をうしなったヴェルダナは滅びる\\運命なのだよ。\\P"
                  U"ならばいっそのこと。。。\\Pさらばだ！！Pe");
      OpenFinalGate(g, b.X);
      PlaySe(g, "gatetrvl.wav");
      break;
    default:
      // No such boss is ever started; free the slot so it cannot soak up hits for ever.
      b.Active = 0;
      break;
  }
}

void OpenFinalGate(Game& g, float bossX) {
  const int col = CInt(bossX) / kTileSize + g.MapOriginX + 2;
  struct GateCell {
    int row;
    uint8_t tile;
  };
  // Screen rows 8 and 7, whatever the boss's height; both cells carry the ending's event code.
  for (const GateCell cell : {GateCell{8, 127}, GateCell{7, 111}}) {
    const int row = g.MapOriginY + cell.row;
    // A gate beyond the map's edge is not written at all.
    if (g.MapLayer1.Contains(col, row)) g.MapLayer1(col, row) = cell.tile;
    if (g.MapLayer2.Contains(col, row)) g.MapLayer2(col, row) = 185;
  }
}

}  // namespace korvela
