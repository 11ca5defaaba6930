#include "shell/folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/temp_files.h"

namespace korvela {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteFile;

// A portable copy (DATA/ beside the program), an installed copy (bin/ and share/korvela/) and
// the player's data folder, all under one temporary folder.
struct Layout {
  TempDir root;
  fs::path portable = root.Path() / "portable";
  fs::path installedBin = root.Path() / "usr" / "bin";
  fs::path userData = root.Path() / "home" / "korvela";
  Layout() {
    fs::create_directories(portable / "DATA");
    fs::create_directories(installedBin);
    fs::create_directories(root.Path() / "usr" / "share" / "korvela" / "DATA");
  }
  FolderChoice Choose(const fs::path& program, std::vector<std::string>* problems,
                      const fs::path& data = {}, const fs::path& save = {}) {
    FolderRequest r;
    r.programDir = program;
    r.dataDir = data;
    r.saveDir = save;
    return Choose(r, problems);
  }
  FolderChoice Choose(FolderRequest r, std::vector<std::string>* problems) {
    r.userDataDir = userData;
    return ChooseFolders(r, problems);
  }
};

TEST(Folders, ChoosesWhereTheSaveGoes) {
  Layout l;
  std::vector<std::string> problems;
  // Portable: everything beside the program.
  FolderChoice c = l.Choose(l.portable, &problems);
  EXPECT_EQ(c.gameDir, l.portable);
  EXPECT_EQ(c.saveDir, l.portable / "DATA");
  // Installed: data from share/korvela, the save in the player's data folder.
  c = l.Choose(l.installedBin, &problems);
  EXPECT_EQ(c.gameDir, l.root.Path() / "usr" / "share" / "korvela");
  EXPECT_EQ(c.assetDir, c.gameDir / "assets");
  EXPECT_EQ(c.saveDir, l.userData);
  EXPECT_TRUE(fs::is_directory(l.userData));
  // Named outright.
  c = l.Choose(l.installedBin, &problems, {}, l.root.Path() / "mine");
  EXPECT_EQ(c.saveDir, l.root.Path() / "mine");
  // --data keeps the save with that data, as tests expect.
  c = l.Choose(l.installedBin, &problems, l.portable);
  EXPECT_EQ(c.saveDir, l.portable / "DATA");
  EXPECT_TRUE(problems.empty());
}

// A program folder that cannot be written sends the save to the data folder (root writes
// everywhere, so this case needs an ordinary user).
TEST(Folders, AReadOnlyProgramFolderSavesInTheDataFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root can write a read-only folder";
  Layout l;
  fs::permissions(l.portable / "DATA", fs::perms::owner_write, fs::perm_options::remove);
  std::vector<std::string> problems;
  EXPECT_EQ(l.Choose(l.portable, &problems).saveDir, l.userData);
  fs::permissions(l.portable / "DATA", fs::perms::owner_write, fs::perm_options::add);
}

// Moving between the two places never loses a save: the old one is copied where saves go now,
// and left where it was. A save already there is never replaced.
TEST(Folders, AnOldSaveIsFoundAndCopied) {
  Layout l;
  std::vector<std::string> problems;
  // An installed copy with a save beside its data (an older copy kept it there): the save
  // is copied into the player's data folder.
  const fs::path shared = l.root.Path() / "usr" / "share" / "korvela" / "DATA" / "SaveData.DAT";
  WriteFile(shared, "beside the data");
  FolderChoice c = l.Choose(l.installedBin, &problems);
  EXPECT_EQ(c.adoptedSave, shared);
  EXPECT_EQ(ReadBytes(l.userData / "SaveData.DAT").size(), 15u);
  EXPECT_TRUE(fs::exists(shared));
  // The save in the player's data folder comes back to a portable copy that has none.
  const fs::path portableSave = l.portable / "DATA" / "SaveData.DAT";
  WriteFile(l.userData / "SaveData.DAT", "from data folder");
  c = l.Choose(l.portable, &problems);
  EXPECT_EQ(c.adoptedSave, l.userData / "SaveData.DAT");
  EXPECT_EQ(ReadBytes(portableSave).size(), 16u);
  EXPECT_TRUE(fs::exists(l.userData / "SaveData.DAT"));
  // An existing save is kept.
  WriteFile(l.userData / "SaveData.DAT", "newer");
  c = l.Choose(l.portable, &problems);
  EXPECT_TRUE(c.adoptedSave.empty());
  EXPECT_EQ(ReadBytes(portableSave).size(), 16u);
  EXPECT_TRUE(problems.empty());
}

// A headless run works on a copy in a temporary folder: what it saves never reaches the
// player's save, and the folder goes at the end.
TEST(Folders, AScratchRunLeavesThePlayersSaveAlone) {
  Layout l;
  const fs::path save = l.portable / "DATA" / "SaveData.DAT";
  WriteFile(save, "the player's");
  std::vector<std::string> problems;
  FolderRequest r;
  r.programDir = l.portable;
  r.scratchSave = true;
  const FolderChoice c = l.Choose(r, &problems);
  ASSERT_TRUE(c.scratch);
  EXPECT_NE(c.saveDir, l.portable / "DATA");
  EXPECT_EQ(ReadBytes(c.saveDir / "SaveData.DAT").size(), 12u);
  WriteFile(c.saveDir / "SaveData.DAT", "the run's save");
  EXPECT_EQ(ReadBytes(save).size(), 12u);
  RemoveScratch(c);
  EXPECT_FALSE(fs::exists(c.saveDir));
  // Told where, it writes there.
  r.saveDir = l.root.Path() / "given";
  EXPECT_FALSE(l.Choose(r, &problems).scratch);
}

}  // namespace
}  // namespace korvela
