#include "platform/sound_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "support/temp_files.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using korvela::testing::FreshTempDir;
using korvela::testing::WriteFile;

bool Contains(const std::vector<fs::path>& folders, const fs::path& folder) {
  return std::find(folders.begin(), folders.end(), folder) != folders.end();
}

TEST(SoundFontSearch, PrefersTheSmallGeneralMidiFontThenTheDefaultThenAnyByName) {
  const fs::path dir = FreshTempDir("soundfonts");
  const fs::path user = dir / "user", sf2 = dir / "sf2", sf3 = dir / "sf3";
  const std::vector<fs::path> folders = {dir / "missing", user, sf2, sf3};
  EXPECT_EQ(FindSoundFont({}, "", folders), fs::path()) << "nothing installed";

  WriteFile(user / "notes.txt", "not a font");
  WriteFile(user / "zeta.sf2", "x");
  WriteFile(user / "Alpha.SF3", "x");
  fs::create_directories(user / "folder.sf2");  // a folder is no font
  EXPECT_EQ(FindSoundFont({}, "", folders), user / "Alpha.SF3") << "names in order";

  // The system's default is a link, broken here: no font.
  fs::create_directories(sf2);
  fs::create_symlink(dir / "nowhere.sf2", sf2 / "default-GM.sf2");
  EXPECT_EQ(FindSoundFont({}, "", folders), user / "Alpha.SF3");
  WriteFile(sf3 / "default-GM.sf3", "x");
  EXPECT_EQ(FindSoundFont({}, "", folders), sf3 / "default-GM.sf3") << "the default beats names";

  WriteFile(sf3 / "TimGM6mb.sf2", "x");
  EXPECT_EQ(FindSoundFont({}, "", folders), sf3 / "TimGM6mb.sf2") << "from any folder";
  fs::remove_all(dir);
}

TEST(SoundFontSearch, NamedFontsComeFirstAndAreNotReplacedWhenMissing) {
  const fs::path dir = FreshTempDir("soundfonts-named");
  WriteFile(dir / "sf2" / "TimGM6mb.sf2", "x");
  WriteFile(dir / "mine.sf2", "x");
  WriteFile(dir / "env.sf2", "x");
  const std::vector<fs::path> folders = {dir / "sf2"};
  const std::string envList = (dir / "gone.sf2").string() + ";;" + (dir / "env.sf2").string();

  EXPECT_EQ(FindSoundFont({}, envList, folders), dir / "env.sf2") << "first entry that exists";
  EXPECT_EQ(FindSoundFont({}, (dir / "gone.sf2").string(), folders), dir / "sf2" / "TimGM6mb.sf2");
  EXPECT_EQ(FindSoundFont(dir / "mine.sf2", envList, folders), dir / "mine.sf2");
  EXPECT_EQ(FindSoundFont(dir / "typo.sf2", envList, folders), fs::path())
      << "a font the player named but mistyped is not silently swapped for another";
  fs::remove_all(dir);
}

TEST(SoundFontSearch, UsualFoldersFollowTheDesktopDataFolders) {
  const char* savedHome = std::getenv("XDG_DATA_HOME");
  const char* savedDirs = std::getenv("XDG_DATA_DIRS");
  const std::string home = savedHome ? savedHome : "", dirs = savedDirs ? savedDirs : "";

  unsetenv("XDG_DATA_HOME");
  unsetenv("XDG_DATA_DIRS");
  auto folders = UsualSoundFontFolders();
  EXPECT_TRUE(Contains(folders, "/usr/share/sounds/sf2"));
  EXPECT_TRUE(Contains(folders, "/usr/share/sounds/sf3"));
  EXPECT_TRUE(Contains(folders, "/usr/share/soundfonts"));
  EXPECT_TRUE(Contains(folders, "/usr/local/share/soundfonts"));

  setenv("XDG_DATA_HOME", "/home/me/data", 1);
  setenv("XDG_DATA_DIRS", "/opt/a/share::/opt/b/share", 1);
  folders = UsualSoundFontFolders();
  EXPECT_EQ(folders.front(), fs::path("/home/me/data/soundfonts")) << "the player's own first";
  EXPECT_TRUE(Contains(folders, "/opt/b/share/sounds/sf2"));
  EXPECT_FALSE(Contains(folders, "/usr/share/sounds/sf2"));

  for (auto [name, saved, value] : {std::tuple{"XDG_DATA_HOME", savedHome, home},
                                    std::tuple{"XDG_DATA_DIRS", savedDirs, dirs}}) {
    if (saved) {
      setenv(name, value.c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
}

}  // namespace
}  // namespace platform
