#include "player/attack_select.h"

#include <gtest/gtest.h>

#include "shell/window.h"
#include "support/test_game.h"

namespace korvela::testing {
namespace {

using platform::Color;
using platform::Key;

// Icons cover the top half of their 32 x 32 cell, markers the bottom half, each in a colour of
// its own, so one screen shows which pieces were drawn where.
Color IconColour(int kind) { return static_cast<Color>(0x100 + kind); }
constexpr Color kMarkerX = 0x200;
constexpr Color kMarkerC = 0x300;

Surface IconSheet() {
  Surface s(485, 355, platform::kWhite);
  for (int k = 0; k < 4; ++k) {
    s.FillRect(32 * k, 160, 32, 16, IconColour(k));
    s.FillRect(32 * k, 192, 32, 16, platform::kBlack);
  }
  s.FillRect(128, 176, 32, 16, kMarkerX);
  s.FillRect(128, 208, 32, 16, platform::kBlack);
  s.FillRect(160, 176, 32, 16, kMarkerC);
  s.FillRect(160, 208, 32, 16, platform::kBlack);
  return s;
}

struct AttackSelect : ::testing::Test {
  TestGame t;
  Game& g = t.g;
  ShellEvents events{g};
  void SetUp() override {
    SetUpPlayScreen(g);
    SetNewGameStats(g);
    g.sonota = IconSheet();
    t.platform.SetEventHandler(&events);
  }
  // One frame's worth of the three routines on a clean screen.
  void Frame() {
    g.Crt.Clear(platform::kWhite);
    DrawWeaponIcons(g);
    SelectWeaponX(g);
    SelectWeaponC(g);
  }
  void Tap(Key key) {
    t.platform.Press(key);
    Frame();
    t.platform.Release(key);
    t.platform.Yield();  // the key release reaches the window here
  }
  Color IconAt(int x) const { return g.Crt.At(x + 4, 2 + 4); }
  Color MarkerAt(int x) const { return g.Crt.At(x + 4, 2 + 20); }
};

TEST_F(AttackSelect, OnlyTheFirstKindShowsNothingAndSDoesNothing) {
  Tap(Key::S);
  Tap(Key::D);
  EXPECT_EQ(g.Player.WeaponX, 0);
  EXPECT_EQ(g.Player.WeaponC, 0);
  EXPECT_EQ(g.Player.SelectCode, 1);
  EXPECT_TRUE(t.Effects("sound").empty());
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 200; ++x) ASSERT_EQ(g.Crt.At(x, y), platform::kWhite) << x << "," << y;
  }
}

TEST_F(AttackSelect, SStepsThroughTheKindsSheHas) {
  g.Player.StoryFlags[7] = 1;
  g.Player.StoryFlags[11] = 1;
  g.Player.StoryFlags[10] = 2;  // used up: not available
  Frame();
  EXPECT_EQ(IconAt(10), IconColour(0));
  EXPECT_EQ(IconAt(52), IconColour(1));
  EXPECT_EQ(IconAt(94), platform::kWhite);
  EXPECT_EQ(IconAt(136), IconColour(3));
  EXPECT_EQ(MarkerAt(10), kMarkerC) << "both markers on kind 0, C drawn last";

  const int expectedKind[] = {1, 3, 0, 1};
  const int expectedCode[] = {2, 1, 1, 2};
  for (int i = 0; i < 4; ++i) {
    Tap(Key::S);
    EXPECT_EQ(g.Player.WeaponX, expectedKind[i]) << i;
    EXPECT_EQ(g.Player.SelectCode, expectedCode[i]) << i;
  }
  EXPECT_EQ(t.Effects("sound").size(), 4u);
  EXPECT_EQ(t.Effects("sound").back(), "ChakiD@22.wav");
  EXPECT_EQ(g.Player.WeaponC, 0) << "S leaves the C attack alone";

  Frame();
  EXPECT_EQ(MarkerAt(52), kMarkerX);
  EXPECT_EQ(MarkerAt(10), kMarkerC);

  Tap(Key::D);
  EXPECT_EQ(g.Player.WeaponC, 1) << "both keys may pick the same kind";
  Frame();
  EXPECT_EQ(MarkerAt(52), kMarkerC);
}

TEST_F(AttackSelect, HoldingStepsOnceAndReleasingSOrDReArms) {
  g.Player.StoryFlags[7] = 1;
  g.Player.StoryFlags[10] = 1;
  t.platform.Press(Key::S);
  for (int frame = 0; frame < 5; ++frame) {
    Frame();
    t.platform.Yield();
  }
  EXPECT_EQ(g.Player.WeaponX, 1);
  EXPECT_EQ(g.SelectLatch, -1);

  // Tapping D while S is held re-arms S too (D itself is latched and does not step).
  t.platform.Press(Key::D);
  Frame();
  EXPECT_EQ(g.Player.WeaponC, 0);
  t.platform.Release(Key::D);
  t.platform.Yield();
  EXPECT_EQ(g.SelectLatch, 0);
  Frame();
  EXPECT_EQ(g.Player.WeaponX, 2);
  EXPECT_EQ(g.Player.SelectCode, 5);

  // Releasing another key re-arms nothing.
  t.platform.Press(Key::X);
  t.platform.Release(Key::X);
  t.platform.Yield();
  Frame();
  EXPECT_EQ(g.Player.WeaponX, 2);
}

TEST_F(AttackSelect, AKindOutsideTheTableIsSteppedBackToTheFirst) {
  // A damaged save can hold any byte here.
  g.Player.StoryFlags[7] = 1;
  g.Player.WeaponX = 200;
  Tap(Key::S);
  EXPECT_EQ(g.Player.WeaponX, 0);
}

}  // namespace
}  // namespace korvela::testing
