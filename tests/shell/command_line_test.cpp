#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace korvela {
namespace {

std::optional<CommandLine> Parse(std::vector<std::string> args, std::string* error = nullptr) {
  std::string ignored;
  return ParseCommandLine(args, error ? error : &ignored);
}

TEST(CommandLine, ReadsTheHeadlessOptions) {
  const auto cl =
      Parse({"--headless", "--input", "in.txt", "--until", "5000", "--shot", "100:a.png", "--shot",
             "2000:b.png", "--log", "l.jsonl", "--data", "d", "--seed", "77"});
  ASSERT_TRUE(cl);
  EXPECT_TRUE(cl->headless);
  EXPECT_EQ(cl->inputScript, "in.txt");
  EXPECT_EQ(cl->untilMs, 5000u);
  ASSERT_EQ(cl->shots.size(), 2u);
  EXPECT_EQ(cl->shots[1].first, 2000u);
  EXPECT_EQ(cl->shots[1].second, "b.png");
  EXPECT_EQ(cl->logPath, "l.jsonl");
  EXPECT_EQ(cl->dataDir, "d");
  EXPECT_EQ(cl->seed, 77u);
  EXPECT_FALSE(Parse({})->seed);
}

// Settings given as options arrive by section and key, in order, for the settings to apply
// over the file; the later of two wins.
TEST(CommandLine, GivesSettingsBySectionAndKey) {
  const auto cl =
      Parse({"--scale", "3", "--soundfont", "f.sf2", "--record", "r.txt", "--mute", "--no-mute",
             "--music-volume", "40", "--save-dir", "s", "--scaled-screenshots"});
  ASSERT_TRUE(cl);
  EXPECT_EQ(cl->recordPath, "r.txt");
  Settings s;
  std::string why;
  for (const auto& v : cl->settings) ASSERT_TRUE(ApplySetting(&s, v, &why)) << why;
  EXPECT_EQ(s.scale, 3);
  EXPECT_EQ(s.soundFont, "f.sf2");
  EXPECT_FALSE(s.mute);
  EXPECT_EQ(s.musicVolume, 40);
  EXPECT_EQ(s.saveDir, "s");
  EXPECT_TRUE(s.scaledScreenshots);
}

TEST(CommandLine, HelpAndVersionLeaveWithText) {
  const auto help = Parse({"--help"});
  ASSERT_TRUE(help);
  EXPECT_NE(help->exitText.find("--music-volume"), std::string::npos);
  EXPECT_NE(help->exitText.find("--headless"), std::string::npos);
  const auto version = Parse({"--version"});
  ASSERT_TRUE(version);
  EXPECT_EQ(version->exitText.rfind("korvela ", 0), 0u);
}

TEST(CommandLine, RejectsWhatItCannotUse) {
  const std::vector<std::vector<std::string>> bad = {
      {"--until", "10"},                    // headless options need --headless
      {"--headless", "--until", "soon"},    // not a number
      {"--headless", "--shot", "100"},      // no file
      {"--headless", "--shot", "x:a.png"},  // no time
      {"--headless", "--shot", "100:"},     // empty file name
      {"--scale", "0"},                     // out of range
      {"--music-volume", "101"},            // out of range
      {"--seed", "-1"},                     // not a seed
      {"--scale"},                          // missing value
      {"--input"},                          // missing value
      {"--fast"},                           // unknown
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(Parse(args, &error)) << args[0];
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace korvela
