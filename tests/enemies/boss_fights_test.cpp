// Each boss fought end to end on a small stage of its own: the whole frame loop of the headless
// game runs, the boss comes in through its trigger, and a scripted heroine at the level the world
// expects for it beats it with her attacks. Her script keeps the ground bosses at the edge of
// her fire's reach, waits for the wall breaker on a ledge it walks under and then follows it,
// and dodges bullets and bodies by jumping or running when a straight-line look ahead says she
// would be hit. The test checks what the defeat brings and prints how many frames it took.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "enemies/enemies.h"
#include "shell/frame_loop.h"
#include "shell/window.h"
#include "support/test_game.h"

namespace korvela {
namespace {

using platform::Key;

constexpr int kOriginX = 440;  // the view's left column on the stage map
constexpr int kMapSide = 512;
constexpr uint8_t kRock = 130;

enum Weapon : uint8_t { kShot = 0, kStrongShot = 1, kFire = 2, kBomb = 3 };

struct FightCase {
  int16_t kind;
  uint8_t trigger;
  int level;
  int floorRow;  // the ground of the stage; the heroine stands two rows above it
  uint8_t weaponX, weaponC;
  const char* cry;  // the defeat's sound
  int exp;          // experience it brings
};

// The levels follow the world's balance: about 3 for the first boss, 8 for the flyers, 10 for
// the secret passage and 12 for the master. The attacks are the ones the story has given by then.
const FightCase kFights[] = {
    {0, 192, 3, 8, kShot, kShot, "gazer4.wav", 300},
    {1, 177, 5, 8, kStrongShot, kShot, "liche5.wav", 300},
    {2, 178, 6, 9, kFire, kStrongShot, "daemon5.wav", 500},
    {3, 179, 7, 8, kFire, kStrongShot, "dragon5.wav", 0},
    {4, 180, 8, 6, kFire, kStrongShot, "dragon5.wav", 500},
    {5, 181, 9, 6, kFire, kStrongShot, "dragon5.wav", 1000},
    {6, 182, 10, 8, kFire, kStrongShot, "liche5.wav", 500},
    {7, 183, 12, 9, kFire, kBomb, "liche5.wav", 0},
};

// Her numbers at a level: each level so far raised DEX, INT and STR in turn, and she has just
// rested at the inn (HP = STR, full MP). From the second boss on the sage's lesson has given
// her 50 more MP.
void SetLevel(Game& g, const FightCase& f) {
  PlayerRecord& p = g.Player;
  p.PlayerLevel = static_cast<int16_t>(f.level);
  p.NextExp = static_cast<int16_t>(100 + 50 * (f.level - 1));
  for (int i = 0; i < f.level - 1; ++i) {
    float& stat = i % 3 == 0 ? p.PlayerDex : i % 3 == 1 ? p.PlayerInt : p.PlayerStr;
    stat += 10;
  }
  p.PlayerHp = p.PlayerStr;
  p.PlayerMaxMp = f.kind >= 1 ? 100 : 50;
  p.PlayerMp = p.PlayerMaxMp;
  p.WeaponX = f.weaponX;
  p.WeaponC = f.weaponC;
  p.StoryFlags[13] = 1;  // the egg, for the master's trigger
}

int StartRow(const FightCase& f) { return f.kind == 2 ? 3 : f.floorRow - 2; }

// A stage: open air over rock from the floor row down, the trigger in the heroine's column two
// cells to her right. The wall breaker meets a pillar on its way; the master runs between two
// walls.
void BuildStage(Game& g, const FightCase& f) {
  g.MapLayer1.Reset(kMapSide);
  g.MapLayer2.Reset(kMapSide);
  g.MapSize = kMapSide - 1;
  for (int x = 0; x < kMapSide; ++x) {
    for (int y = f.floorRow; y < 16; ++y) g.MapLayer1(x, y) = kRock;
  }
  if (f.kind == 2) {
    // She waits on a ledge (row 5) that the breaker walks under: it only looks at the cells at
    // its feet. Further west a pillar stands in its way.
    for (int x = kOriginX + 2; x <= kOriginX + 13; ++x) g.MapLayer1(x, 5) = kRock;
    for (int y = 0; y < f.floorRow; ++y) g.MapLayer1(kOriginX - 6, y) = kRock;
  }
  if (f.kind == 7) {
    for (int y = 0; y < f.floorRow; ++y) {
      g.MapLayer1(kOriginX - 14, y) = kRock;
      g.MapLayer1(kOriginX + 26, y) = kRock;
    }
  }
  g.MapLayer2(kOriginX + 7 + 2, StartRow(f)) = f.trigger;
}

// The region of a boss that an attack can reach, as (left, top, right, bottom) offsets.
struct Reach {
  float left, top, right, bottom;
};
Reach ShotReach(int16_t kind) {
  if (kind == 6) return {16, 16, 80, 96};
  if (kind == 7) return {32, 16, 96, 96};
  return {0, 0, 192, 192};
}
Reach FireReach(int16_t kind) {
  if (kind == 6) return {0, 0, 64, 64};
  if (kind == 7) return {32, 0, 96, 64};
  return {0, 0, 192, 192};
}

// The heroine's script: one decision per frame, made from what she can see.
class Pilot {
 public:
  Pilot(testing::TestGame& t, const FightCase& f) : t_(t), g_(t.g), f_(f) {}

  void Decide() {
    want_ = {};
    want_[static_cast<int>(Key::Space)] = true;  // passes the boss's words at once
    const EnemyRecord* boss = Boss();
    const int away = Dodge(boss);
    if (boss) {
      const int step = away ? away : Move(*boss);
      if (step) want_[static_cast<int>(step > 0 ? Key::Right : Key::Left)] = true;
      // The attacks start after the step: from its facing, with the view moved by 8.
      Attack(*boss, step ? step > 0 : FacingRight(), static_cast<float>(step) * -8.0f);
    } else if (!spawned_) {
      want_[static_cast<int>(Key::Right)] = true;  // walk onto the trigger
    }
    for (int k = 0; k < platform::kKeyCount; ++k) {
      const Key key = static_cast<Key>(k);
      if (want_[k] && !held_[k]) t_.platform.Press(key);
      if (!want_[k] && held_[k]) t_.platform.Release(key);
      held_[k] = want_[k];
    }
  }

  const EnemyRecord* Boss() {
    for (int i = 0; i < 4; ++i) {
      if (g_.Bosses[i].Active == -1) {
        spawned_ = true;
        return &g_.Bosses[i];
      }
    }
    return nullptr;
  }

 private:
  bool OnGround() const { return g_.Player.Jumping == 0 && g_.ScrollY == 0; }
  bool FacingRight() const { return g_.Player.Facing == 0 || g_.Player.Facing == 2; }
  int Top() const { return g_.Player.PlayerY * 32 - g_.ScrollY; }

  // How high she will be k frames into a jump started now (20, 38, 54 ... 110, then down).
  static int JumpHeight(int k) {
    int h = 0, count = 0, frame = 0;
    for (; frame < k && 22 - 2 * (count + 1) > 0; ++frame) h += 22 - 2 * ++count;
    for (count = 0; frame < k && h > 0; ++frame) h = std::max(0, h - 2 * ++count);
    return h;
  }

  // The boss's body as it touches her: (left, top, right, bottom) from its X and Y, and the
  // point of her that must lie inside (her centre line and her top edge).
  static Reach Body(const EnemyRecord& b) {
    switch (b.Kind) {
      case 0:
        return {0, 0, 96, 192};
      case 1:
        return {0, 0, 32, 96};
      case 2:
        return {-48, 0, 24, 192};  // X < 264 and X + 192 > 240
      case 3:
        return {-112, 0, 24, 192};
      case 4:
      case 5:
        return b.Dir == 1 ? Reach{100, 96, 270, 192} : Reach{10, 96, 200, 192};
      case 6:
        return {16, 0, 80, 96};
      default:
        return {32, 0, 96, 96};
    }
  }

  // Whether something would touch her k frames ahead, at `lift` above her top now, with the
  // view moved by `shift` pixels a frame under her.
  bool Hit(const EnemyRecord* boss, int k, int lift, int shift) const {
    const int top = Top() - lift;
    for (int i = 0; i < 5; ++i) {
      const EnemyShotRecord& s = g_.EnemyShots[i];
      if (s.Active != -1) continue;
      const int cx = s.X + k * (s.DX + shift) + 16, cy = s.Y + k * s.DY + 16;
      if (224 < cx && cx < 256 && top - 2 < cy && cy < top + 66) return true;
    }
    if (!boss) return false;
    float dx = boss->DX;
    if (boss->Kind <= 3) dx = boss->Kind == 2 && boss->FireTimer < 60 ? -4.0f : 0.0f;
    const float x = boss->X + static_cast<float>(k) * (dx + static_cast<float>(shift));
    const Reach r = Body(*boss);
    const auto t = static_cast<float>(top);
    return x + r.left - 8 < 240 && 240 < x + r.right + 8 && boss->Y + r.top - 4 < t &&
           t < boss->Y + r.bottom + 4;
  }

  // How many frames she stays untouched (up to kHorizon) with a jump or not and a run or not.
  static constexpr int kHorizon = 24;
  int Safe(const EnemyRecord* boss, bool jump, int run) const {
    for (int k = 1; k <= kHorizon; ++k) {
      if (Hit(boss, k, jump ? JumpHeight(k) : 0, -8 * run)) return k - 1;
    }
    return kHorizon;
  }

  // When standing still would be hit soon: a jump that clears everything in sight, or else
  // the way out that stays untouched longest. Returns the step it asks for.
  int Dodge(const EnemyRecord* boss) {
    if (g_.Player.Jumping == -1) want_[static_cast<int>(Key::Z)] = true;  // the full height
    if (Safe(boss, false, 0) >= 8) return 0;
    struct Plan {
      bool jump;
      int run;
    };
    const Plan plans[] = {{true, 0}, {false, -1}, {false, 1}, {true, -1}, {true, 1}};
    Plan best{false, 0};
    const bool flyer = boss && (boss->Kind == 4 || boss->Kind == 5);
    int longest = Safe(boss, false, 0);
    for (const Plan& p : plans) {
      if (p.jump && !OnGround()) continue;
      const int safe = Safe(boss, p.jump, p.run);
      // Under a flyer a jump may lift her into its body: only a jump that clears everything.
      if (p.jump && flyer && safe < kHorizon) continue;
      if (safe > longest) best = p, longest = safe;
      if (longest == kHorizon) break;
    }
    if (best.jump) want_[static_cast<int>(Key::Z)] = true;
    return best.run;
  }

  // The step of this frame: -1 left, 0 none, +1 right.
  int Move(const EnemyRecord& b) const {
    const bool right = FacingRight();
    if (b.Kind == 2) {
      // The wall breaker walks under her ledge; she then follows it from behind, where it
      // never turns.
      const float back = b.X + 192;
      if (back > 240) return b.X + 96 > 240 ? (right ? 0 : 1) : (right ? -1 : 0);
      if (back > 236) return 1;
      if (back < 224) return -1;
      return right ? -1 : 0;
    }
    if (b.Kind <= 3) {
      // Ground bosses stay to her right, outside their crushing reach, within her attacks'.
      const bool close = Has(kFire) && g_.Player.PlayerMp >= 40;
      const float lo = close ? 272 : 300, hi = close ? 296 : 440;
      if (b.X - 8 >= lo && (b.X > hi || !right)) return 1;
      if (b.X < lo) return -1;
      return 0;
    }
    // Movers: face where the boss will be shortly.
    const float centre = b.X + (b.Kind <= 5 ? 96 : 48) + 6 * b.DX;
    const bool toRight = centre > 240;
    return toRight == right ? 0 : (toRight ? 1 : -1);
  }

  bool Has(Weapon w) const { return f_.weaponX == w || f_.weaponC == w; }
  Key KeyOf(Weapon w) const { return f_.weaponX == w ? Key::X : Key::C; }

  bool Overlaps(const EnemyRecord& b, const Reach& r, int k, float l, float t, float rt,
                float bt) const {
    const float x = b.X + shift_ + static_cast<float>(k) * b.DX;
    return x + r.left < rt && x + r.right > l && b.Y + r.top < bt && b.Y + r.bottom > t;
  }

  void Attack(const EnemyRecord& b, bool right, float shift) {
    shift_ = shift;
    if (g_.ShotReady != -1 && !Has(kBomb)) return;
    const float top = static_cast<float>(Top());
    if (Has(kFire) && g_.ShotReady == -1 && g_.FireLatch == 0 && g_.Player.PlayerMp >= 40) {
      const float l = right ? 272 : 176;
      for (int k = 1; k <= 4; ++k) {
        if (Overlaps(b, FireReach(b.Kind), k, l, top - 48, l + 32, top + 64)) {
          want_[static_cast<int>(KeyOf(kFire))] = true;
          return;
        }
      }
    }
    const Weapon shot = Has(kStrongShot) ? kStrongShot : Has(kShot) ? kShot : kFire;
    const float reserve = Has(kFire) ? 90 : 10;  // MP goes to the fire first
    if (shot != kFire && g_.ShotReady == -1 && g_.Player.PlayerMp >= reserve) {
      const float l = right ? 272 : -16, r = right ? 560 : 208;
      if (Overlaps(b, ShotReach(b.Kind), 2, l, top + 25, r, top + 27)) {
        want_[static_cast<int>(KeyOf(shot))] = true;
        return;
      }
    }
    if (Has(kBomb) && g_.BombReady == -1) {
      const float l = right ? 240 : 0, r = right ? 480 : 240;
      if (Overlaps(b, FireReach(b.Kind), 4, l, top - 64, r, top + 64)) {
        want_[static_cast<int>(KeyOf(kBomb))] = true;
      }
    }
  }

  testing::TestGame& t_;
  Game& g_;
  const FightCase& f_;
  std::array<bool, platform::kKeyCount> want_{}, held_{};
  bool spawned_ = false;
  float shift_ = 0;
};

class BossFight : public ::testing::TestWithParam<FightCase> {};

TEST_P(BossFight, TheHeroineBeatsItAtTheWorldsLevel) {
  const FightCase& f = GetParam();
  testing::TestGame t;
  Game& g = t.g;
  ShellEvents events{g};  // key releases re-arm the fire
  t.platform.SetEventHandler(&events);
  testing::SetUpPlayScreen(g);
  testing::SetNewGameStats(g);
  SetLevel(g, f);
  BuildStage(g, f);
  g.GameMode = 1;
  g.MapOriginX = kOriginX;
  g.MapOriginY = 0;
  g.ShotReady = -1;
  g.BombReady = -1;
  EnterGameLoop(g);
  g.Rng.seed(static_cast<unsigned>(f.kind) + 1);  // the same fight every run
  g.Player.PlayerY = static_cast<int16_t>(StartRow(f));
  g.BossStage = 1;  // entered through the ruins' stairs, which arm the first boss's trigger

  Pilot pilot(t, f);
  const int16_t expBefore = g.Player.PlayerExp;
  const float startHp = g.Player.PlayerHp;
  const auto flagsBefore = g.Player.StoryFlags;
  int frames = 0, fightFrames = 0;
  bool beaten = false;
  const EnemyRecord* boss = nullptr;
  int levelledAway = 0;  // experience that level-ups took from PlayerExp
  while (frames < 8000 && !beaten) {
    pilot.Decide();
    const int16_t level = g.Player.PlayerLevel, next = g.Player.NextExp;
    ASSERT_EQ(RunFrame(g), FrameResult::Continue)
        << "she fell after " << fightFrames << " frames of the fight, boss HP "
        << (boss ? boss->Hp : -1);
    ++frames;
    if (g.Player.PlayerLevel > level) levelledAway += next;
    if (!boss) boss = pilot.Boss();
    if (!boss) continue;
    ++fightFrames;
    beaten = f.kind == 3 ? boss->Hp < 1 : boss->Active == 0;
  }
  ASSERT_TRUE(beaten) << "boss HP left " << boss->Hp;
  std::printf("boss %d at level %d: beaten in %d frames, %.0f HP left of %.0f\n", f.kind, f.level,
              fightFrames, g.Player.PlayerHp, startHp);
  RecordProperty("frames", fightFrames);

  const auto sounds = t.Effects("sound");
  EXPECT_NE(std::find(sounds.begin(), sounds.end(), f.cry), sounds.end());
  EXPECT_EQ(g.Player.PlayerExp - expBefore + levelledAway, f.exp) << "experience";
  auto flags = g.Player.StoryFlags;
  switch (f.kind) {
    case 0:
      EXPECT_EQ(flags[2], 1);
      EXPECT_EQ(g.BossStage, 0);
      break;
    case 1:
      EXPECT_EQ(flags[3], 1);
      break;
    case 2:
      EXPECT_NE(std::find(sounds.begin(), sounds.end(), "daemon4.wav"), sounds.end())
          << "it broke through the pillar on its way";
      break;
    case 4:
      EXPECT_EQ(flags[4], 1);
      break;
    case 6:
      EXPECT_EQ(flags[11], 1);
      break;
    case 7: {
      EXPECT_EQ(flags[14], 1) << "the master spoke first";
      const auto music = t.Effects("music");
      EXPECT_TRUE(std::any_of(music.begin(), music.end(), [](const std::string& m) {
        return m.find("Combat1.mid") != std::string::npos;
      }));
      const int col = CInt(boss->X) / 32 + g.MapOriginX + 2;
      EXPECT_EQ(g.MapLayer2(col, g.MapOriginY + 8), 185) << "the gate home";
      break;
    }
    default:
      break;
  }
  flags[2] = flagsBefore[2], flags[3] = flagsBefore[3], flags[4] = flagsBefore[4];
  flags[11] = flagsBefore[11], flags[14] = flagsBefore[14];
  EXPECT_EQ(flags, flagsBefore) << "no other story flag changed";
  if (f.kind == 3) {
    EXPECT_EQ(boss->Active, -1) << "the beaten dragon stays where it fell";
    EXPECT_EQ(boss->Anim, 3);
  }
}

INSTANTIATE_TEST_SUITE_P(EachKind, BossFight, ::testing::ValuesIn(kFights),
                         [](const auto& p) { return "Boss" + std::to_string(p.param.kind); });

}  // namespace
}  // namespace korvela
