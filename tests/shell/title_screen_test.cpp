#include "shell/title_screen.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "game/save_file.h"
#include "platform/font.h"
#include "platform/image_io.h"
#include "shell/frame_loop.h"
#include "support/data_folder.h"
#include "support/odd_files.h"
#include "support/test_game.h"

namespace korvela {
namespace {

using platform::InputEvent;
using platform::Key;
using testing::TempDir;
using testing::TestGame;

std::vector<InputEvent> Script(std::string_view text) {
  std::string error;
  auto events = platform::ParseInputScript(text, &error);
  EXPECT_TRUE(events) << error;
  return events ? *events : std::vector<InputEvent>{};
}

// A title screen over a DATA folder that holds the field and the town.
struct TitleTest : ::testing::Test {
  TempDir dir;
  std::unique_ptr<TestGame> t;
  Game* g = nullptr;

  void Start(platform::HeadlessOptions options = {}) {
    t = std::make_unique<TestGame>(std::move(options));
    g = &t->g;
    g->DataDir = dir.Path() / "DATA";
    g->SoundDir = dir.Path() / "Sound";
    testing::WriteEventMap(g->DataDir, "01", 255);
    testing::WriteEventMap(g->DataDir, "03", 127);
    testing::SetUpPlayScreen(*g);
    // A title picture that differs from the cleared screen everywhere.
    for (int y = 0; y < g->B_Crt.Height(); ++y) {
      for (int x = 0; x < g->B_Crt.Width(); ++x) g->B_Crt.Set(x, y, 0x204060u + (x % 7));
    }
  }
  void WriteSave(const PlayerRecord& p) {
    std::string why;
    ASSERT_TRUE(WriteSaveFile(g->DataDir / "SaveData.DAT", p, &why)) << why;
  }
  std::vector<std::string> Music() const { return t->Effects("music"); }
  bool Played(std::string_view track) const {
    for (const auto& m : Music()) {
      if (m.find(track) != std::string::npos) return true;
    }
    return false;
  }
};

TEST_F(TitleTest, HeldSpaceStartsANewGameAtTheFirstPoll) {
  Start();
  g->Player.StoryFlags.fill(9);
  g->Player.PlayerLevel = 30;
  g->GameMode = 1;
  g->CrtForeColor = platform::kBlack;
  t->platform.Press(Key::Space);  // still held when the title appears
  TitleScreen(*g);

  // No wait at all: the opening's music starts at once, and the held Space passes its pages.
  ASSERT_GE(Music().size(), 6u);
  EXPECT_EQ(t->platform.Effects()[3].ms, 0u);
  EXPECT_EQ(Music()[4], "open \"" + (g->SoundDir / "Tolvane1.mid").string() + "\" alias MIDI");
  EXPECT_EQ(Music()[Music().size() - 2],
            "open \"" + (g->SoundDir / "Forest_A.mid").string() + "\" alias MIDI");
  EXPECT_EQ(Music()[0], "close MIDI notify");
  EXPECT_EQ(Music()[1], "open \"" + (g->SoundDir / "Stones2.mid").string() + "\" alias MIDI");
  EXPECT_EQ(Music()[2], "play MIDI notify");

  const PlayerRecord& p = g->Player;
  EXPECT_EQ(g->MapName, "01");
  EXPECT_EQ(g->GameMode, 0);
  EXPECT_EQ(g->MapOriginX, 90);
  EXPECT_EQ(g->MapOriginY, 85);
  EXPECT_EQ(g->ScrollX, 0);
  EXPECT_EQ(g->ScrollY, 0);
  EXPECT_EQ(p.PlayerLevel, 1);
  EXPECT_EQ(p.PlayerExp, 0);
  EXPECT_EQ(p.NextExp, 100);
  EXPECT_EQ(p.PlayerHp, 50);
  EXPECT_EQ(p.PlayerMp, 50);
  EXPECT_EQ(p.PlayerMaxMp, 50);
  EXPECT_EQ(p.PlayerStr, 50);
  EXPECT_EQ(p.PlayerDex, 50);
  EXPECT_EQ(p.PlayerInt, 50);
  EXPECT_EQ(p.SelectCode, 1);
  EXPECT_EQ(p.WeaponX, 0);
  EXPECT_EQ(p.WeaponC, 0);
  for (int i = 0; i <= 19; ++i) EXPECT_EQ(p.StoryFlags[i], 0) << i;
  EXPECT_EQ(p.StoryFlags[20], 9);  // a new game leaves the last flag alone
  EXPECT_EQ(g->CrtForeColor, platform::kWhite);
}

TEST_F(TitleTest, SpaceWinsOverCInTheSamePoll) {
  Start();
  PlayerRecord saved;
  saved.PlayerLevel = 7;
  WriteSave(saved);
  t->platform.Press(Key::Space);
  t->platform.Press(Key::C);
  TitleScreen(*g);
  EXPECT_EQ(g->MapName, "01");
  EXPECT_EQ(g->GameMode, 0);
  EXPECT_EQ(g->Player.PlayerLevel, 1);
  EXPECT_FALSE(Played("Tavern03.mid"));
}

TEST_F(TitleTest, TappedKeyBeforeTheTitleIsDiscardedAndContinueResumesTheSave) {
  platform::HeadlessOptions options;
  options.input = Script("1000 down C\n1050 up C\n");
  Start(std::move(options));
  PlayerRecord saved;
  saved.PlayerLevel = 12;
  saved.PlayerExp = 5000;
  saved.NextExp = 6000;
  saved.PlayerHp = 0.5f;
  saved.PlayerStr = saved.PlayerDex = saved.PlayerInt = 50;
  saved.StoryFlags[7] = 2;
  saved.PlayerX = 3;
  saved.Facing = 1;
  WriteSave(saved);
  t->platform.Press(Key::Space);  // tapped and released before the title shows
  t->platform.Release(Key::Space);
  g->ScrollX = 16;

  TitleScreen(*g);
  // The title polled every 100 ms (11 pictures up to 1000 ms); C was seen at 1000 ms and the
  // continued game waited half a second more.
  EXPECT_EQ(t->platform.FramesPresented(), 11);
  EXPECT_EQ(t->platform.Clock(), 1500u);
  EXPECT_EQ(g->MapName, "03");
  EXPECT_EQ(g->GameMode, 2);
  EXPECT_EQ(g->MapOriginX, 2);
  EXPECT_EQ(g->MapOriginY, 19);
  EXPECT_EQ(g->ScrollX, 0);
  EXPECT_EQ(g->Player.PlayerLevel, 12);
  EXPECT_EQ(g->Player.PlayerExp, 5000);
  EXPECT_EQ(g->Player.PlayerHp, 0.5f);
  EXPECT_EQ(g->Player.StoryFlags[7], 2);
  const auto music = Music();
  ASSERT_GE(music.size(), 2u);
  EXPECT_EQ(music[music.size() - 2],
            "open \"" + (g->SoundDir / "Tavern03.mid").string() + "\" alias MIDI");
  EXPECT_EQ(music.back(), "play MIDI notify");

  // Entering the frame loop puts the heroine at screen tile (7, 5) facing right.
  EnterGameLoop(*g);
  EXPECT_EQ(g->Player.PlayerX, 7);
  EXPECT_EQ(g->Player.PlayerY, 5);
  EXPECT_EQ(g->Player.Facing, 0);
}

// C without a save file (and then with one too short) keeps the title waiting, shows that
// there is nothing to continue for a while, and says why on stderr; Space still starts a game.
TEST_F(TitleTest, ContinueWithoutASaveStaysOnTheTitle) {
  std::string error;
  auto font = platform::Font::Open(18, true, &error);
  platform::HeadlessOptions options;
  options.input = Script(
      "200 down C\n250 up C\n"
      "2800 down C\n2850 up C\n"
      "5500 down Space\n");
  options.shots = {{900, dir.Path() / "notice.png"}, {2500, dir.Path() / "plain.png"}};
  Start(std::move(options));
  g->CrtFont = font.get();
  ::testing::internal::CaptureStderr();
  TitleScreen(*g);
  const std::string said = ::testing::internal::GetCapturedStderr();

  EXPECT_EQ(g->MapName, "01");  // Space at 5500 ms started a new game
  EXPECT_GE(t->platform.Clock(), 5500u);
  EXPECT_FALSE(Played("Tavern03.mid"));
  EXPECT_TRUE(t->Effects("error").empty());
  EXPECT_NE(said.find((g->DataDir / "SaveData.DAT").string()), std::string::npos) << said;
  EXPECT_NE(said.find("no such file"), std::string::npos) << said;
  // Each press of C after the notice has gone tries again.
  EXPECT_NE(said.find("no such file", said.find("no such file") + 1), std::string::npos) << said;

  platform::Surface notice, plain;
  ASSERT_TRUE(platform::LoadPng(dir.Path() / "notice.png", &notice, &error)) << error;
  ASSERT_TRUE(platform::LoadPng(dir.Path() / "plain.png", &plain, &error)) << error;
  auto differing = [&](const platform::Surface& s) {
    int n = 0;
    for (int y = 0; y < 384; ++y) {
      for (int x = 0; x < 480; ++x) n += s.At(x, y) != g->B_Crt.At(x, y);
    }
    return n;
  };
  EXPECT_EQ(differing(plain), 0);  // two seconds later the title is clean again
  if (font) {
    EXPECT_GT(differing(notice), 1000);
    // The notice sits in the lower part of the screen, not over the title's top half.
    for (int y = 0; y < 192; ++y) ASSERT_EQ(notice.At(240, y), g->B_Crt.At(240, y)) << y;
  }
}

// A save file the game cannot use leaves the title as it was, with the reason on stderr.
TEST_F(TitleTest, UnusableSaveFilesAreNotContinued) {
  PlayerRecord immortal;
  immortal.PlayerLevel = 1;
  immortal.NextExp = 100;
  immortal.PlayerStr = immortal.PlayerDex = immortal.PlayerInt = 50;
  immortal.PlayerHp = std::numeric_limits<float>::quiet_NaN();
  const SaveImage image = EncodePlayerRecord(immortal);
  struct Case {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
    const char* reason;
  };
  const Case cases[] = {
      {"short", [](const auto& path) { testing::WriteBytes(path, std::vector<uint8_t>(10, 0)); },
       "10 bytes"},
      {"NaN HP",
       [&](const auto& path) {
         testing::WriteBytes(path, {image.begin(), image.end()});
       },
       "PlayerHp is nan"},
      {"FIFO", [](const auto& path) { testing::MakeOddFile(path, testing::OddFile::Fifo); },
       "FIFO"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::HeadlessOptions options;
    options.input = Script("100 down C\n150 up C\n3000 down Space\n");
    Start(std::move(options));
    std::filesystem::remove(g->DataDir / "SaveData.DAT");
    c.make(g->DataDir / "SaveData.DAT");
    ::testing::internal::CaptureStderr();
    TitleScreen(*g);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(g->MapName, "01");
    EXPECT_FALSE(Played("Tavern03.mid"));
    EXPECT_NE(said.find(c.reason), std::string::npos) << said;
  }
}

}  // namespace
}  // namespace korvela
