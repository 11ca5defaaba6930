#include "shell/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "support/temp_files.h"

namespace korvela {
namespace {

TEST(Settings, RoundTripThroughTheFile) {
  Settings s;
  s.scale = 3;
  s.fullscreen = true;
  s.musicVolume = 0;
  s.effectsVolume = 55;
  s.muteWhenUnfocused = true;
  s.soundFont = "/fonts/with space;semi.sf2";
  s.saveDir = "";
  s.screenshotDir = "/pics";
  s.width = 1000;
  s.display = 2;
  std::vector<std::string> problems;
  const Settings back = ParseSettings(FormatSettings(s), &problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  EXPECT_EQ(FormatSettings(back), FormatSettings(s));
  EXPECT_EQ(back.soundFont, s.soundFont);
  EXPECT_EQ(back.effectsVolume, 55);
}

// Each broken line is named with its number; it keeps its default and the rest is read.
TEST(Settings, BrokenLinesAreNamedAndKeepTheirDefaults) {
  const std::string text =
      "[window]\n"
      "scale = 9\n"          // 2: out of range
      "fullscreen = true\n"  // 3: fine
      "this line is junk\n"  // 4: not name = value
      "[sound]\n"
      "music_volume = loud\n"  // 6: not a number
      "volume = 3\n"           // 7: no such setting
      "effects_volume = 20 ; quieter\n";
  std::vector<std::string> problems;
  const Settings s = ParseSettings(text, &problems);
  EXPECT_EQ(s.scale, 2);
  EXPECT_TRUE(s.fullscreen);
  EXPECT_EQ(s.musicVolume, 100);
  EXPECT_EQ(s.effectsVolume, 20);
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_EQ(problems[0].rfind("line 2: scale = 9", 0), 0u) << problems[0];
  EXPECT_EQ(problems[1].rfind("line 6: ", 0), 0u) << problems[1];
  EXPECT_EQ(problems[2].rfind("line 7: no setting \"volume\"", 0), 0u) << problems[2];
  EXPECT_EQ(problems[3].rfind("line 4: not a setting", 0), 0u) << problems[3];
}

// A line longer than the reader's buffer is skipped whole: its tail is never read as a line of
// its own (here a long comment whose last characters look like a setting), and a long setting is
// named. A value the file could not hold back is refused, so what the game writes reads as what
// it was given.
TEST(Settings, OverlongLinesAndValuesAreRefusedWhole) {
  const std::string reachesTheBuffersEnd = std::string(199, ';');
  const std::string text = "[window]\n" + reachesTheBuffersEnd + "scale=4\nfullscreen = true\n" +
                           "[folders]\nsave_dir=/" + std::string(200, 'a') + "\n";
  std::vector<std::string> problems;
  Settings s = ParseSettings(text, &problems);
  EXPECT_EQ(s.scale, 2);
  EXPECT_TRUE(s.fullscreen);
  EXPECT_EQ(s.saveDir, "");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0], "line 5: longer than 198 characters; skipped");

  // A value that fits its line when read but not once written with spaces and quotes.
  const std::string longest = std::string(189, 'b');
  s = ParseSettings("[folders]\nsave_dir=" + longest + "\n", &problems);
  EXPECT_EQ(s.saveDir, "");
  EXPECT_EQ(problems.back().rfind("line 2: save_dir: too long for the settings file", 0), 0u);
  std::string why;
  EXPECT_TRUE(ApplySetting(&s, {"folders", "save_dir", longest.substr(0, 180)}, &why));
  problems.clear();
  EXPECT_EQ(ParseSettings(FormatSettings(s), &problems).saveDir, longest.substr(0, 180));
  EXPECT_TRUE(problems.empty());

  // A ';' after a blank starts a comment when the file is read again: the semicolon key alone
  // would be written as "Down = ;" and come back empty. Behind a comma it is kept.
  EXPECT_FALSE(ApplySetting(&s, {"keyboard", "Down", ";"}, &why));
  EXPECT_FALSE(ApplySetting(&s, {"folders", "save_dir", "/a ;b"}, &why));
  ASSERT_TRUE(ApplySetting(&s, {"keyboard", "Down", "Down,;"}, &why)) << why;
  EXPECT_EQ(ParseSettings(FormatSettings(s), &problems).bindings.keyboard[1], "Down,;");
  EXPECT_TRUE(problems.empty());
}

// The first run writes the defaults with comments; a later run reads what the player edited;
// a folder where the file should be gives the defaults and a message, never a crash.
TEST(Settings, TheFileIsCreatedThenRead) {
  testing::TempDir dir;
  const auto path = dir.Path() / "korvela" / "settings.ini";
  std::vector<std::string> problems;
  EXPECT_EQ(LoadSettings(path, &problems).scale, 2);
  EXPECT_TRUE(problems.empty());
  std::ifstream written(path);
  std::string first;
  std::getline(written, first);
  EXPECT_EQ(first.rfind("; KORVELA settings", 0), 0u);

  { std::ofstream(path, std::ios::app) << "[window]\nscale = 4\n"; }
  EXPECT_EQ(LoadSettings(path, &problems).scale, 4);
  EXPECT_TRUE(problems.empty());

  // Neither reading at start nor remembering the window at exit may hang on a FIFO or take a
  // folder for the file; both are left as they are.
  const auto folder = dir.Path() / "folder.ini";
  std::filesystem::create_directory(folder);
  const auto fifo = dir.Path() / "fifo.ini";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const auto& odd : {folder, fifo}) {
    problems.clear();
    EXPECT_EQ(LoadSettings(odd, &problems).scale, 2);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("is not a settings file"), std::string::npos) << problems[0];
    std::string why;
    EXPECT_FALSE(RememberSettings(odd, Settings{}, {{"window", "scale", "3"}}, &why));
    EXPECT_NE(why.find("cannot read the settings file"), std::string::npos) << why;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// Remembering the window rewrites only its own lines: the player's comments, other settings and
// even lines that cannot be read stay as they were; a missing line or section is added.
TEST(Settings, RememberingTheWindowKeepsTheRestOfTheFile) {
  Settings s;
  s.width = 700;
  s.fullscreen = true;
  s.x = 12;
  const std::vector<SettingValue> which = {
      {"window", "width", ""}, {"window", "fullscreen", ""}, {"window", "x", ""}};
  const struct {
    const char* what;
    std::string text, expected;
  } cases[] = {
      {"lines replaced in place",
       "; mine\n[window]\nscale=3\n  width : 5\n;x = 1\nx=1 ; old\nfullscreen = no\n"
       "[sound]\nbroken line\n",
       "; mine\n[window]\nscale=3\nwidth = 700\n;x = 1\nx = 12\nfullscreen = true\n"
       "[sound]\nbroken line\n"},
      {"missing lines go after the section's last setting",
       "[window]\nscale = 3\n\n[sound]\nwidth = 1\n",
       "[window]\nscale = 3\nwidth = 700\nfullscreen = true\nx = 12\n\n[sound]\nwidth = 1\n"},
      {"a missing section is added at the end, after a last line without its newline",
       "[sound]\nmute = true",
       "[sound]\nmute = true\n\n[window]\nwidth = 700\nfullscreen = true\nx = 12\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithValues(c.text, s, which), c.expected) << c.what;
}

}  // namespace
}  // namespace korvela
