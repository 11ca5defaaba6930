#include "shell/command_line.h"

#include <gtest/gtest.h>

namespace korvela {
namespace {

std::optional<CommandLine> Parse(std::vector<std::string> args, std::string* error = nullptr) {
  std::string ignored;
  return ParseCommandLine(args, error ? error : &ignored);
}

TEST(CommandLine, ReadsTheHeadlessOptions) {
  const auto cl = Parse({"--headless", "--input", "in.txt", "--until", "5000", "--shot",
                         "100:a.png", "--shot", "2000:b.png", "--log", "l.jsonl", "--data", "d"});
  ASSERT_TRUE(cl);
  EXPECT_TRUE(cl->headless);
  EXPECT_EQ(cl->inputScript, "in.txt");
  EXPECT_EQ(cl->untilMs, 5000u);
  ASSERT_EQ(cl->shots.size(), 2u);
  EXPECT_EQ(cl->shots[1].first, 2000u);
  EXPECT_EQ(cl->shots[1].second, "b.png");
  EXPECT_EQ(cl->logPath, "l.jsonl");
  EXPECT_EQ(cl->dataDir, "d");
}

TEST(CommandLine, ReadsTheWindowOptions) {
  const auto cl = Parse({"--scale", "3", "--soundfont", "f.sf2", "--record", "r.txt"});
  ASSERT_TRUE(cl);
  EXPECT_FALSE(cl->headless);
  EXPECT_EQ(cl->scale, 3);
  EXPECT_EQ(cl->soundFont, "f.sf2");
  EXPECT_EQ(cl->recordPath, "r.txt");
  EXPECT_EQ(Parse({})->scale, 2);
}

TEST(CommandLine, RejectsWhatItCannotUse) {
  const std::vector<std::vector<std::string>> bad = {
      {"--until", "10"},                    // headless options need --headless
      {"--headless", "--until", "soon"},    // not a number
      {"--headless", "--shot", "100"},      // no file
      {"--headless", "--shot", "x:a.png"},  // no time
      {"--headless", "--shot", "100:"},     // empty file name
      {"--scale", "0"},                     // out of range
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
