#include "game/save_file.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/data_folder.h"
#include "support/odd_files.h"
#include "support/test_game.h"

namespace korvela {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::TestGame;
using testing::WriteBytes;

// Every field holds a value whose bytes are easy to tell apart.
PlayerRecord KnownRecord() {
  PlayerRecord p;
  p.Reserved = 0;
  p.PlayerLevel = 0x0203;
  p.PlayerExp = 5000;
  p.NextExp = -2;
  p.PlayerHp = 0.5f;
  p.PlayerMp = 1.0f;
  p.PlayerMaxMp = 2.0f;
  p.Jumping = -1;
  p.PlayerStr = 50.0f;
  p.PlayerDex = 60.0f;
  p.PlayerInt = -3.25f;
  p.PlayerX = 7;
  p.PlayerY = 0x1234;
  p.AnimStep = 2;
  p.Facing = 3;
  p.SelectCode = 5;
  p.WeaponX = 2;
  p.WeaponC = 3;
  for (size_t i = 0; i < p.StoryFlags.size(); ++i) p.StoryFlags[i] = static_cast<uint8_t>(0xA0 + i);
  return p;
}

PlayerRecord NewGameRecord() {
  PlayerRecord p;
  p.PlayerLevel = 1;
  p.NextExp = 100;
  p.PlayerHp = p.PlayerMp = p.PlayerMaxMp = 50;
  p.PlayerStr = p.PlayerDex = p.PlayerInt = 50;
  p.SelectCode = 1;
  return p;
}

TEST(SaveImage, HoldsEveryFieldLittleEndianWithoutGaps) {
  const std::vector<uint8_t> expected = {
      0x00, 0x00,              // 0 Reserved
      0x03, 0x02,              // 2 PlayerLevel
      0x88, 0x13,              // 4 PlayerExp 5000
      0xFE, 0xFF,              // 6 NextExp -2
      0x00, 0x00, 0x00, 0x3F,  // 8 PlayerHp 0.5
      0x00, 0x00, 0x80, 0x3F,  // 12 PlayerMp 1
      0x00, 0x00, 0x00, 0x40,  // 16 PlayerMaxMp 2
      0xFF, 0xFF,              // 20 Jumping -1 (no alignment bytes follow)
      0x00, 0x00, 0x48, 0x42,  // 22 PlayerStr 50
      0x00, 0x00, 0x70, 0x42,  // 26 PlayerDex 60
      0x00, 0x00, 0x50, 0xC0,  // 30 PlayerInt -3.25
      0x07, 0x00,              // 34 PlayerX
      0x34, 0x12,              // 36 PlayerY
      0x02, 0x00,              // 38 AnimStep
      0x03, 0x00,              // 40 Facing
      0x05, 0x02, 0x03,        // 42 SelectCode, 43 WeaponX, 44 WeaponC
      0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA,
      0xAB, 0xAC, 0xAD, 0xAE, 0xAF, 0xB0, 0xB1, 0xB2, 0xB3, 0xB4,  // 45..65 StoryFlags
  };
  ASSERT_EQ(expected.size(), kSaveFileBytes);
  const SaveImage image = EncodePlayerRecord(KnownRecord());
  EXPECT_EQ(std::vector<uint8_t>(image.begin(), image.end()), expected);

  const PlayerRecord back = DecodePlayerRecord(image);
  const SaveImage again = EncodePlayerRecord(back);
  EXPECT_EQ(again, image);
  EXPECT_EQ(back.PlayerY, 0x1234);
  EXPECT_EQ(back.PlayerInt, -3.25f);
  EXPECT_EQ(back.StoryFlags[20], 0xB4);
}

struct SaveFileTest : ::testing::Test {
  TempDir dir;
  TestGame t;
  Game& g = t.g;
  void SetUp() override {
    g.DataDir = dir.Path() / "DATA";
    std::filesystem::create_directories(g.DataDir);
  }
  std::filesystem::path SavePath() const { return g.DataDir / "SaveData.DAT"; }
};

TEST_F(SaveFileTest, SavedGameLoadsWithItsValues) {
  g.Player = KnownRecord();
  g.Player.NextExp = 150;  // the known record's -2 and -3.25 are no game's values
  g.Player.PlayerInt = 60.25f;
  g.Player.Reserved = 0x7777;  // whatever it held, the save stores 0
  g.Player.PlayerExp = 5000;
  g.Player.PlayerHp = 0.5f;
  g.Player.StoryFlags[7] = 2;
  ASSERT_TRUE(SaveGame(g));

  const std::vector<uint8_t> bytes = ReadBytes(SavePath());
  ASSERT_EQ(bytes.size(), kSaveFileBytes);
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_EQ(t.Effects("file"), std::vector<std::string>{SavePath().string()});

  PlayerRecord loaded;
  std::string why;
  ASSERT_TRUE(ReadSaveFile(SavePath(), &loaded, &why)) << why;
  EXPECT_EQ(loaded.PlayerExp, 5000);
  EXPECT_EQ(loaded.PlayerHp, 0.5f);
  EXPECT_EQ(loaded.StoryFlags[7], 2);
  EXPECT_EQ(loaded.PlayerLevel, 0x0203);
}

TEST_F(SaveFileTest, SavingTwiceReplacesTheFileAndLeavesNothingBehind) {
  g.Player = KnownRecord();
  ASSERT_TRUE(SaveGame(g));
  g.Player.PlayerLevel = 9;
  ASSERT_TRUE(SaveGame(g));
  const std::vector<uint8_t> bytes = ReadBytes(SavePath());
  ASSERT_EQ(bytes.size(), kSaveFileBytes);
  EXPECT_EQ(bytes[2], 9);
  // Only the save file itself is left in the folder.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(g.DataDir)) ++files;
  EXPECT_EQ(files, 1);
}

TEST_F(SaveFileTest, FailedWritesKeepTheOldSave) {
  g.Player = KnownRecord();
  ASSERT_TRUE(SaveGame(g));
  const std::vector<uint8_t> old = ReadBytes(SavePath());
  g.Player.PlayerLevel = 42;

  // A save file marked read-only is not replaced.
  std::filesystem::permissions(SavePath(), std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
  EXPECT_FALSE(SaveGame(g));
  EXPECT_EQ(ReadBytes(SavePath()), old);
  std::filesystem::permissions(SavePath(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);

  // The temporary file cannot be made (a folder stands in its place): the old file stays.
  std::filesystem::create_directory(g.DataDir / "SaveData.DAT.tmp");
  EXPECT_FALSE(SaveGame(g));
  EXPECT_EQ(ReadBytes(SavePath()), old);
  EXPECT_EQ(t.Effects("file").size(), 1u);  // only the first, successful save was reported

  // No DATA folder at all.
  g.DataDir = dir.Path() / "missing" / "DATA";
  EXPECT_FALSE(SaveGame(g));
  EXPECT_FALSE(std::filesystem::exists(g.DataDir));
}

TEST_F(SaveFileTest, MissingOrShortFilesAreNotRead) {
  PlayerRecord p = KnownRecord();
  std::string why;
  EXPECT_FALSE(ReadSaveFile(SavePath(), &p, &why));
  EXPECT_EQ(why, "there is no such file");

  WriteBytes(SavePath(), std::vector<uint8_t>(65, 1));
  EXPECT_FALSE(ReadSaveFile(SavePath(), &p, &why));
  EXPECT_NE(why.find("65 bytes"), std::string::npos) << why;
  EXPECT_EQ(EncodePlayerRecord(p), EncodePlayerRecord(KnownRecord()));  // left unchanged

  // A longer file gives its first 66 bytes.
  PlayerRecord saved = NewGameRecord();
  saved.PlayerLevel = 12;
  const SaveImage image = EncodePlayerRecord(saved);
  std::vector<uint8_t> longer(image.begin(), image.end());
  longer.resize(80, 0xFF);
  WriteBytes(SavePath(), longer);
  ASSERT_TRUE(ReadSaveFile(SavePath(), &p, &why)) << why;
  EXPECT_EQ(p.PlayerLevel, 12);
}

// A damaged or hand-broken record is refused, naming the field, instead of making the heroine
// immortal (NaN HP), dividing by zero (DEX below 10) or overflowing conversions (huge values).
TEST_F(SaveFileTest, RecordsTheGameCannotPlayOnAreRefusedNamingTheField) {
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* field;
    void (*breakIt)(PlayerRecord&);
  };
  const Case cases[] = {
      {"PlayerHp", [](PlayerRecord& p) { p.PlayerHp = kNaN; }},
      {"PlayerHp", [](PlayerRecord& p) { p.PlayerHp = kInf; }},
      {"PlayerMp", [](PlayerRecord& p) { p.PlayerMp = -kInf; }},
      {"PlayerMaxMp", [](PlayerRecord& p) { p.PlayerMaxMp = -1; }},
      {"PlayerStr", [](PlayerRecord& p) { p.PlayerStr = kNaN; }},
      {"PlayerDex", [](PlayerRecord& p) { p.PlayerDex = 9.5f; }},
      {"PlayerInt", [](PlayerRecord& p) { p.PlayerInt = 1e30f; }},
      {"PlayerLevel", [](PlayerRecord& p) { p.PlayerLevel = 0; }},
      {"NextExp", [](PlayerRecord& p) { p.NextExp = -100; }},
  };
  for (const Case& c : cases) {
    PlayerRecord bad = NewGameRecord();
    c.breakIt(bad);
    std::string why;
    ASSERT_TRUE(WriteSaveFile(SavePath(), bad, &why)) << why;
    PlayerRecord p = KnownRecord();
    EXPECT_FALSE(ReadSaveFile(SavePath(), &p, &why)) << c.field;
    EXPECT_EQ(why.rfind(c.field, 0), 0u) << why;
    EXPECT_EQ(EncodePlayerRecord(p), EncodePlayerRecord(KnownRecord())) << c.field;
  }
}

TEST_F(SaveFileTest, HandEditedRecordsWithinTheGamesRangesLoadAsTheyAre) {
  const std::vector<void (*)(PlayerRecord&)> edits = {
      [](PlayerRecord& p) { p.PlayerExp = 5000, p.PlayerHp = 0.5f, p.StoryFlags[7] = 2; },
      [](PlayerRecord& p) { p.PlayerDex = 250, p.PlayerMaxMp = p.PlayerMp = 100; },
      [](PlayerRecord& p) { p.PlayerStr = p.PlayerDex = p.PlayerInt = 10; },
      [](PlayerRecord& p) { p.PlayerHp = 1e6f, p.PlayerStr = 1e6f, p.PlayerLevel = 32767; },
      [](PlayerRecord& p) { p.PlayerHp = -20, p.PlayerMp = 0, p.PlayerMaxMp = 0; },
      [](PlayerRecord& p) { p.WeaponX = 200, p.Facing = -7, p.StoryFlags[20] = 255; },
  };
  for (size_t i = 0; i < edits.size(); ++i) {
    PlayerRecord edited = NewGameRecord();
    edits[i](edited);
    std::string why;
    ASSERT_TRUE(WriteSaveFile(SavePath(), edited, &why)) << why;
    PlayerRecord p;
    EXPECT_TRUE(ReadSaveFile(SavePath(), &p, &why)) << i << ": " << why;
    EXPECT_EQ(EncodePlayerRecord(p), EncodePlayerRecord(edited)) << i;
  }
}

TEST_F(SaveFileTest, OnlyARegularFileIsReadAsASave) {
  for (const auto& c : testing::OddFiles()) {
    TempDir fresh;
    const auto path = testing::MakeOddFile(fresh.Path() / "SaveData.DAT", c.kind);
    PlayerRecord p;
    std::string why;
    EXPECT_FALSE(ReadSaveFile(path, &p, &why)) << c.name;
    EXPECT_NE(why.find(c.because), std::string::npos) << c.name << ": " << why;
  }
}

// Whatever stands at the temporary file's name (a link planted there, the leftover of a save
// that was cut off) is replaced, never written through.
TEST_F(SaveFileTest, SavingNeverWritesThroughWhatStandsAtTheTemporaryName) {
  const auto temp = g.DataDir / "SaveData.DAT.tmp";
  const auto elsewhere = dir.Path() / "precious.txt";
  testing::WriteFile(elsewhere, "not a save");
  std::filesystem::create_symlink(elsewhere, temp);
  g.Player = NewGameRecord();
  ASSERT_TRUE(SaveGame(g));
  EXPECT_EQ(ReadBytes(elsewhere),
            std::vector<uint8_t>({'n', 'o', 't', ' ', 'a', ' ', 's', 'a', 'v', 'e'}));
  EXPECT_FALSE(std::filesystem::is_symlink(SavePath()));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(temp)));

  testing::WriteFile(temp, std::string(1000, 'x'));  // a save cut off half way
  g.Player.PlayerLevel = 7;
  ASSERT_TRUE(SaveGame(g));
  EXPECT_EQ(ReadBytes(SavePath()).size(), kSaveFileBytes);
  EXPECT_EQ(ReadBytes(SavePath())[2], 7);
  EXPECT_FALSE(std::filesystem::exists(temp));
}

}  // namespace
}  // namespace korvela
