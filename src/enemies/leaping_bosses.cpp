// The two running bosses (kinds 6 and 7): they run back and forth along the ground at 16,
// turning when the heroine is well behind them, and now and then leap from a fixed spot of the
// screen. Kind 7 is the last boss: the first time it acts it shows itself, starts its music and
// speaks.
#include "enemies/boss_kinds.h"
#include "enemies/enemies.h"
#include "enemies/enemy_shared.h"
#include "game/music.h"
#include "player/status.h"
#include "text/message.h"

namespace korvela {

namespace {

constexpr int kEntranceFlag = 14;  // StoryFlags: the last boss has spoken

// Turns towards the heroine once she is far enough behind; the distance is chosen afresh
// every frame, up to 500 pixels more.
void TurnTowardsHeroine(Game& g, EnemyRecord& b, float rightGap) {
  const auto px = static_cast<float>(g.Player.PlayerX * kTileSize);
  if (static_cast<float>(RandomBelow(g, 500)) + b.X + rightGap <= px) {
    b.Dir = 1;
    b.DX = 16;
  }
  if (static_cast<float>(RandomBelow(g, 500)) + px + 128 <= b.X) {
    b.Dir = 0;
    b.DX = -16;
  }
}

// Legs every other frame; in the air it falls under gravity, on blocking ground it stands
// ready to leap with DY -16.
void RunAndFall(const Game& g, EnemyRecord& b) {
  CountUp(b.Timer);
  if (b.Timer % 2 == 0) {
    StepAnim(b, 5);
    b.Timer = 0;
  }
  if (!BlocksAt(g, b, 1, 3)) {
    b.Y += b.DY;
    b.DY += 2;
    b.Anim = 0;
  }
  if (BlocksAt(g, b, 1, 3)) b.DY = -16;
}

// A leap from exactly `height` in screen column `column` while heading `dir`, one time in
// three: lifted 18 pixels clear of the ground, it rises at 16 and comes back down to the spot.
// The roll is drawn every frame, whatever the rest says.
void MaybeLeap(Game& g, EnemyRecord& b, float height, int column, int16_t dir) {
  const bool roll = RandomBelow(g, 3) == 1;
  if (b.Y == height && BossColumn(b) == column && b.Dir == dir && roll) {
    b.Y -= 18;
    b.DY = -16;
  }
}

// Her top edge strictly inside the runner's 96-pixel height and her centre line inside its band.
void Trample(Game& g, const EnemyRecord& b, float left, float right) {
  const float top = static_cast<float>(HeroTop(g));
  if (b.X + left < 240 && 240 < b.X + right && b.Y < top && top < b.Y + 96) HurtHeroine(g, 10);
}

// The game holds still while the last boss shows itself, its music starts and it speaks.
void Entrance(Game& g) {
  DrawBosses(g);
  DrawPlayer(g);
  g.platform.Present(g.Crt);
  BgmOpen(g, "Combat1.mid");
  BgmPlay(g);
  g.platform.Sleep(1000);
  ShowMessage(g,
              U"ほう、私の開いたゲートから紛れ込んで\\きたようだな。\\P"
              U"さあ、その卵を渡してもらおう。\\Pほ～う、あくまで抵抗する気か！\\P"
              U"ならば力ずくで！Pe");
  g.Player.StoryFlags[kEntranceFlag] = 1;
}

}  // namespace

void LeapingBoss6(Game& g, EnemyRecord& b) {
  TurnTowardsHeroine(g, b, 128);
  b.X += b.DX;  // walls do not stop it
  RunAndFall(g, b);
  MaybeLeap(g, b, 160, 11, 0);
  Trample(g, b, 16, 80);
}

void LeapingBoss7(Game& g, EnemyRecord& b) {
  if (g.Player.StoryFlags[kEntranceFlag] == 0) Entrance(g);
  TurnTowardsHeroine(g, b, 160);
  // Walls turn it: the cell ahead at chest height, by the heading it has now.
  if (b.Dir == 1) {
    if (BlocksAt(g, b, 3, 2)) {
      b.Dir = 0;
      b.DX = -16;
    }
  } else if (b.Dir == 0 && BlocksAt(g, b, 1, 2)) {
    b.Dir = 1;
    b.DX = 16;
  }
  b.X += b.DX;
  RunAndFall(g, b);
  MaybeLeap(g, b, 192, 11, 0);
  MaybeLeap(g, b, 192, 0, 1);
  Trample(g, b, 32, 96);
}

}  // namespace korvela
