// Saving under faults: the process killed at any moment of a save, a full disk, a read-only
// data folder. The save on disk is always a whole record, and a failed save says so.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "game/save_file.h"
#include "map/map_loader.h"
#include "support/data_folder.h"
#include "support/private_mount.h"
#include "support/test_game.h"

namespace korvela {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScopedTmpfs;
using testing::TempDir;
using testing::TestGame;

PlayerRecord RecordOfLevel(int16_t level) {
  PlayerRecord p;
  p.PlayerLevel = level;
  p.NextExp = static_cast<int16_t>(50 + 50 * level);
  p.PlayerHp = p.PlayerMp = p.PlayerMaxMp = 50;
  p.PlayerStr = p.PlayerDex = p.PlayerInt = 50;
  return p;
}

std::vector<uint8_t> Image(const PlayerRecord& p) {
  const SaveImage image = EncodePlayerRecord(p);
  return {image.begin(), image.end()};
}

int FilesIn(const fs::path& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++n;
  return n;
}

TEST(SaveFaults, KilledAtAnyMomentOfASaveLeavesAWholeOldOrNewRecord) {
  TempDir dir;
  const fs::path path = dir.Path() / "SaveData.DAT";
  const PlayerRecord first = RecordOfLevel(3), second = RecordOfLevel(4);
  std::string why;
  ASSERT_TRUE(WriteSaveFile(path, first, &why)) << why;
  std::mt19937 chance(14);
  int cutMidway = 0;
  for (int round = 0; round < 200; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves the two records in turn until it is killed.
      for (int i = 0;; ++i) WriteSaveFile(path, i % 2 ? first : second, &why);
    }
    ::usleep(static_cast<useconds_t>(chance() % 4000));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::vector<uint8_t> bytes = ReadBytes(path);
    ASSERT_TRUE(bytes == Image(first) || bytes == Image(second))
        << "round " << round << ": " << bytes.size() << " bytes of neither record";
    cutMidway += fs::exists(dir.Path() / "SaveData.DAT.tmp");
  }
  RecordProperty("cut_midway", cutMidway);
  // What a cut-off save left behind does not stand in the way of the next one.
  ASSERT_TRUE(WriteSaveFile(path, second, &why)) << why;
  EXPECT_EQ(ReadBytes(path), Image(second));
  EXPECT_EQ(FilesIn(dir.Path()), 1);
}

TEST(SaveFaults, AFullDiskKeepsTheOldSaveAndSaysWhy) {
  TempDir dir;
  const fs::path data = dir.Path() / "DATA";
  fs::create_directory(data);
  ScopedTmpfs disk(data, "size=64k");
  if (!disk.Mounted()) GTEST_SKIP() << "no small disk to fill here: " << disk.Why();
  TestGame t;
  t.g.DataDir = data;
  t.g.Player = RecordOfLevel(3);
  ASSERT_TRUE(SaveGame(t.g));

  // Fill the disk to its last byte.
  const fs::path filler = data / "filler";
  const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  const std::string block(4096, 'x');
  while (::write(fd, block.data(), block.size()) > 0) {
  }
  while (::write(fd, block.data(), 1) > 0) {
  }
  ::close(fd);

  t.g.Player = RecordOfLevel(9);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(SaveGame(t.g));
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("No space left on device"), std::string::npos) << said;
  EXPECT_EQ(ReadBytes(data / "SaveData.DAT"), Image(RecordOfLevel(3)));
  EXPECT_EQ(FilesIn(data), 2) << "no temporary file is left behind";

  fs::remove(filler);
  EXPECT_TRUE(SaveGame(t.g));
  EXPECT_EQ(ReadBytes(data / "SaveData.DAT"), Image(RecordOfLevel(9)));
}

TEST(SaveFaults, AReadOnlyDataFolderStillPlaysButDoesNotSave) {
  TempDir dir;
  const fs::path data = dir.Path() / "DATA";
  fs::create_directory(data);
  ScopedTmpfs disk(data, "size=1m");
  if (!disk.Mounted()) GTEST_SKIP() << "no read-only folder can be made here: " << disk.Why();
  testing::WriteEventMap(data, "03", 127);
  std::string why;
  ASSERT_TRUE(WriteSaveFile(data / "SaveData.DAT", RecordOfLevel(3), &why)) << why;
  if (!disk.MakeReadOnly()) GTEST_SKIP() << disk.Why();

  TestGame t;
  t.g.DataDir = data;
  LoadMap(t.g, "03");
  EXPECT_EQ(t.g.MapSize, 127);
  PlayerRecord loaded;
  ASSERT_TRUE(ReadSaveFile(data / "SaveData.DAT", &loaded, &why)) << why;
  t.g.Player = loaded;
  t.g.Player.PlayerLevel = 5;
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(SaveGame(t.g));
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("Read-only file system"), std::string::npos) << said;
  EXPECT_EQ(ReadBytes(data / "SaveData.DAT"), Image(RecordOfLevel(3)));
}

}  // namespace
}  // namespace korvela
