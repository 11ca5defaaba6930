#include "game/save_file.h"

#include <gtest/gtest.h>

#include "support/data_folder.h"
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
  std::vector<uint8_t> longer(80, 0);
  longer[2] = 12;
  WriteBytes(SavePath(), longer);
  ASSERT_TRUE(ReadSaveFile(SavePath(), &p, &why)) << why;
  EXPECT_EQ(p.PlayerLevel, 12);
}

}  // namespace
}  // namespace korvela
