// The staff roll: the credits scroll up a pixel a pass until the last line rests at y 165, then
// a bomb is thrown across the screen, bursts, and a teaser is typed before the title returns.
#include <array>
#include <string_view>

#include "game/music.h"
#include "text/message.h"
#include "text/scenes.h"
#include "weapons/weapons.h"

namespace korvela {

namespace {

struct Credit {
  int16_t x, y;
  std::string_view text;
};

// The credits at their places before the roll; the last one, "おちまい", also stands under the
// bomb.
constexpr std::array kCredits = {
    Credit{120, 416, "   企画　　　Quillo"},
    Credit{100, 516, "プログラム　　　Quillo"},
    Credit{90, 616, "グラフィック　　　知らない人"},
    Credit{100, 716, "画像編集　　　　Quillo"},
    Credit{100, 741, "　　　　　　　  　　ぽこぺんた"},
    Credit{110, 816, "サウンド　　　　知らない人"},
    Credit{75, 916, "テストプレイヤー　　　ぽこぺんた"},
    Credit{110, 1166, "       　　おちまい"},
};
constexpr const Credit& kLastCredit = kCredits.back();

constexpr int16_t kRollPasses = 1000;  // the pass after this one is the last
constexpr uint32_t kRollPassMs = 50;
constexpr uint32_t kStandingMs = 10000;
constexpr uint32_t kGagStepMs = 60;
constexpr int16_t kBurstBelow = 133;  // the falling bomb bursts once it is below this
constexpr uint8_t kGagLastPhase = 12;

void PrintCredit(Game& g, const Credit& c, int y) {
  if (g.CrtFont) g.Crt.Print(c.x, y, c.text, *g.CrtFont, g.CrtForeColor);
}

// Scrolls the credits up one pixel a pass; the last pass leaves the final picture on screen.
void RollCredits(Game& g) {
  for (;;) {
    g.Crt.Clear();
    g.SceneTimer += 1;
    for (const Credit& c : kCredits) PrintCredit(g, c, c.y - g.SceneTimer);
    g.platform.Present(g.Crt);
    if (g.SceneTimer > kRollPasses) return;
    g.platform.Yield();
    g.platform.Sleep(kRollPassMs);
  }
}

// A bomb, borrowed from the heroine's bomb table for the gag, flies in from the left, falls,
// bursts beside the last credit, and the sequel is announced.
void BombGag(Game& g) {
  BombRecord& bomb = g.Bombs[1];
  bomb = BombRecord{};
  bomb.X = 0;
  bomb.Y = 128;
  bomb.DX = 20;
  bomb.DY = -40;
  bomb.Phase = 1;
  for (;;) {
    g.platform.Sleep(kGagStepMs);
    g.Crt.Clear();
    if (bomb.Phase == 1) {
      bomb.X += bomb.DX;
      bomb.Y += bomb.DY;
      bomb.DY += 8;
      if (bomb.Y > kBurstBelow) {
        bomb.Phase = 2;
        PlaySe(g, "explode.wav");
      }
    }
    DrawBomb(g, bomb);
    PrintCredit(g, kLastCredit, 165);
    g.platform.Present(g.Crt);
    if (bomb.Phase > 1) bomb.Phase += 1;
    if (bomb.Phase > kGagLastPhase) break;
    g.platform.Yield();
  }
  bomb = BombRecord{};  // the slot goes back to the heroine's bombs empty
  g.Crt.Clear();
  g.platform.Present(g.Crt);
  g.platform.Sleep(1000);
  // Typed straight onto the black screen, with no window around it: the text starts at
  // (165, 160).
  TypeMessage(g, U"ＺＸにつづく＾＾；e", 150, 150);
}

}  // namespace

void StaffRoll(Game& g) {
  g.SceneTimer = 0;
  g.CrtForeColor = platform::kWhite;
  g.Crt.Clear();
  BgmOpen(g, "combat2.mid");
  BgmPlay(g);
  RollCredits(g);
  g.platform.Sleep(kStandingMs);
  BgmStop(g);
  BombGag(g);
  g.platform.Sleep(kStandingMs);
}

}  // namespace korvela
