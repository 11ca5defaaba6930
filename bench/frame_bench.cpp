// What one frame costs: the raster work of a full frame, one masked sprite, and whole frames of
// the top-down and side-view modes (the busiest combat frame among them) run through the real
// frame loop on the headless platform.

#include <benchmark/benchmark.h>

#include "enemies/enemies.h"
#include "game/game.h"
#include "platform/headless_platform.h"
#include "shell/frame_loop.h"

namespace {

using korvela::Game;
using platform::RasterOp;
using platform::Surface;

// A sheet with a pattern in every pixel so no copy can be skipped.
Surface PatternSheet(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      s.Set(x, y, static_cast<platform::Color>((x * 7 + y * 13) & 0xFFFFFF));
  return s;
}

void BM_MaskedSprite64(benchmark::State& state) {
  Surface crt(484, 388);
  const Surface sheet = PatternSheet(1281, 129);
  for (auto _ : state) {
    crt.DrawMasked(200, 150, 64, 64, sheet, 64, 0, 64, 64);
    benchmark::DoNotOptimize(crt.Pixels());
  }
}
BENCHMARK(BM_MaskedSprite64);

// Clear, the 16 x 14 tile pass, a dozen sprite pairs and the repaint.
void BM_RasterFrame(benchmark::State& state) {
  platform::HeadlessPlatform headless;
  Surface crt(484, 388);
  const Surface tiles = PatternSheet(512, 512);
  const Surface sprites = PatternSheet(1281, 129);
  for (auto _ : state) {
    crt.Clear();
    for (int j = 0; j < 14; ++j)
      for (int i = 0; i < 16; ++i)
        crt.BitBlt(32 * i - 8, 32 * j - 8, 32, 32, tiles, 32 * ((i + j) % 16), 32 * (j % 16),
                   RasterOp::SrcCopy);
    for (int s = 0; s < 12; ++s)
      crt.DrawMasked(30 * s, 100 + 10 * s, 64, 64, sprites, 64 * s, 0, 64 * s, 64);
    headless.Present(crt);
  }
}
BENCHMARK(BM_RasterFrame);

struct BenchGame {
  platform::HeadlessPlatform headless;
  Game g{headless};
  explicit BenchGame(uint8_t mode) {
    g.ScreenWidth = 480;
    g.ScreenHeight = 384;
    g.Crt = Surface(484, 388);
    g.MapChr1 = g.MapChr2 = g.MapChr3 = PatternSheet(512, 512);
    g.Chr = PatternSheet(1281, 129);
    g.Chr2 = PatternSheet(1283, 129);
    g.sonota = PatternSheet(485, 355);
    g.Enemy = PatternSheet(965, 515);
    g.Boss = PatternSheet(1796, 1349);
    g.Boss2 = PatternSheet(3209, 1545);
    g.Buri = PatternSheet(1280, 192);
    g.MapSize = 255;
    g.MapLayer1.Reset(256);
    g.MapLayer2.Reset(256);
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x) g.MapLayer1(x, y) = static_cast<uint8_t>((x * 3 + y) % 100);
    for (int y = 0; y < 256; ++y) g.MapLayer1(y, 30) = 130;  // a floor under the side view
    auto& p = g.Player;
    p.PlayerLevel = 1;
    p.PlayerStr = p.PlayerDex = p.PlayerInt = 50;
    p.PlayerMaxMp = p.PlayerMp = p.PlayerHp = 50;
    p.NextExp = 100;
    p.StoryFlags[7] = p.StoryFlags[10] = p.StoryFlags[11] = 1;  // every attack icon shows
    g.GameMode = mode;
    g.MapOriginX = 90;
    g.MapOriginY = mode == 1 ? 20 : 85;
    korvela::EnterGameLoop(g);
  }
};

void BM_TopDownFrame(benchmark::State& state) {
  BenchGame b(0);
  for (auto _ : state) korvela::RunFrame(b.g);
}
BENCHMARK(BM_TopDownFrame);

// A side-view frame with ten enemies' worth of masked sprite pairs on top.
void BM_SideViewFrame(benchmark::State& state) {
  BenchGame b(1);
  for (auto _ : state) {
    korvela::RunFrame(b.g);
    for (int e = 0; e < 10; ++e)
      b.g.Crt.DrawMasked(40 * e, 200, 64, 64, b.g.Enemy, 64 * e, 0, 64 * e, 64);
  }
}
BENCHMARK(BM_SideViewFrame);

// The busiest side-view frame the tables allow: 21 shots, 5 fires, 6 bombs, 10 enemies,
// 4 bosses and 5 boss bullets, all on screen and in reach of one another. The tables are filled
// again before every frame so that nothing has flown off or been beaten by the time it is timed.
void FillCombatTables(Game& g) {
  for (int i = 0; i <= 20; ++i) {
    auto& s = g.Shots[i];
    const bool right = i % 2 == 0;
    s = {};
    s.X = static_cast<int16_t>(right ? 40 + 18 * i : 440 - 18 * i);
    s.Y = static_cast<int16_t>(60 + 9 * i);
    s.DX = right ? 16 : -16;
    s.Active = -1;
    s.Heading = right ? 0 : 1;
    s.Kind = static_cast<uint8_t>(i % 2);
    s.Power = static_cast<uint8_t>(i % 2 + 1);
  }
  for (int i = 0; i <= 4; ++i) {
    g.Fires[i] = {};
    g.Fires[i].X = static_cast<int16_t>(60 + 90 * i);
    g.Fires[i].Y = 96;
    g.Fires[i].Phase = static_cast<uint8_t>(1 + 2 * i);
    g.Fires[i].Power = 2;
  }
  for (int i = 0; i <= 5; ++i) {
    auto& b = g.Bombs[i];
    b = {};
    b.X = static_cast<int16_t>(50 + 70 * i);
    b.Y = static_cast<int16_t>(150 + 10 * i);
    b.DX = i % 2 == 0 ? 16 : -16;
    b.DY = -8;
    b.Phase = static_cast<uint8_t>(i < 3 ? 1 : 2 + i);  // three in flight, three bursting
    b.Power = 1;
  }
  for (int i = 0; i <= 9; ++i) {
    auto& e = g.Enemies[i];
    e = {};
    e.Active = -1;
    e.Kind = static_cast<int16_t>(i % 4);
    e.X = static_cast<float>(20 + 45 * i);
    e.Y = static_cast<float>(40 + 14 * i);
    e.Dir = static_cast<int16_t>(i % 2);
    e.Anim = 0.4f * static_cast<float>(i);
    e.DX = e.Kind == 3 ? -8.0f : 0.0f;
    e.Hp = 30000;  // no hit beats it within the frame
  }
  const int16_t bossKinds[4] = {0, 2, 4, 6};
  for (int i = 0; i <= 3; ++i) {
    auto& b = g.Bosses[i];
    b = {};
    b.Active = -1;
    b.Kind = bossKinds[i];
    b.X = static_cast<float>(40 + 100 * i);
    b.Y = static_cast<float>(i == 2 ? -96 : 64);
    b.DX = i == 3 ? -16.0f : 0.0f;
    b.Hp = 30000;
  }
  for (int i = 0; i <= 4; ++i) {
    g.EnemyShots[i] = {static_cast<int16_t>(60 + 80 * i),
                       static_cast<int16_t>(80 + 20 * i),
                       static_cast<int16_t>(i % 2 == 0 ? 10 : -10),
                       4,
                       12,
                       -1};
  }
  // Hurts and crushes must not end the game in the middle of the run.
  g.Player.PlayerHp = 30000;
  g.Player.PlayerMp = g.Player.PlayerMaxMp;
  g.GameOver = 0;
}

void BM_CombatFrame(benchmark::State& state) {
  BenchGame b(1);
  b.g.Player.StoryFlags[14] = 1;  // no entrance speech for a running boss
  for (auto _ : state) {
    FillCombatTables(b.g);
    korvela::RunFrame(b.g);
  }
}
BENCHMARK(BM_CombatFrame);

// The same frame with the four costliest bosses all shooting in it: two volley flyers and a
// single-shot flyer inside their firing windows on a frame whose Timer turns a multiple of 4
// (the largest sprites of the game), and a standing dragon at its shot. The bullet table starts
// empty, so every shot aims and takes a slot until the five are gone.
void FillShootingBosses(Game& g) {
  const int16_t kinds[4] = {5, 5, 4, 3};
  const float xs[4] = {440, 436, 432, 300};
  for (int i = 0; i <= 3; ++i) {
    auto& b = g.Bosses[i];
    b = {};
    b.Active = -1;
    b.Kind = kinds[i];
    b.X = xs[i];
    b.Y = kinds[i] == 3 ? 64.0f : -96.0f;
    b.DX = kinds[i] == 5 ? -20.0f : kinds[i] == 4 ? -16.0f : 0.0f;
    b.Timer = kinds[i] == 3 ? 17 : 3;
    b.Anim = kinds[i] == 3 ? 2.0f : 0.0f;
    b.Hp = 30000;
  }
  for (auto& s : g.EnemyShots) s = {};
}

void BM_ShootingBossesFrame(benchmark::State& state) {
  BenchGame b(1);
  for (auto _ : state) {
    FillCombatTables(b.g);
    FillShootingBosses(b.g);
    korvela::RunFrame(b.g);
  }
}
BENCHMARK(BM_ShootingBossesFrame);

// The bosses' own turns alone, for the same four.
void BM_ShootingBossesLogic(benchmark::State& state) {
  BenchGame b(1);
  for (auto _ : state) {
    FillShootingBosses(b.g);
    korvela::BossLogic(b.g);
  }
  int bullets = 0;
  for (const auto& s : b.g.EnemyShots) bullets += s.Active == -1 ? 1 : 0;
  state.counters["bullets"] = bullets;  // 5: every slot taken by the frame's shots
}
BENCHMARK(BM_ShootingBossesLogic);

}  // namespace
