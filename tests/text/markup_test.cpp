#include "text/markup.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvela {
namespace {

// What a text does when read to its end: the lines at every page wait and at the end, the
// actions in order, and where reading stopped.
struct Reading {
  std::vector<std::array<std::u32string, 5>> pages;  // lines shown at each "P"
  std::array<std::u32string, 5> last;
  std::vector<MarkupAction> actions;
  std::vector<std::string> voices;
  size_t stoppedAt = 0;
};

Reading Read(std::u32string_view text, PlayerRecord& player) {
  Reading r;
  MessageLines lines;
  MarkupReader reader(text);
  for (;;) {
    const MarkupStep step = reader.Step(lines, player);
    r.actions.push_back(step.action);
    if (step.action == MarkupAction::PageWait) r.pages.push_back(lines.Text);
    if (step.action == MarkupAction::Voice) r.voices.emplace_back(step.voice);
    if (step.action == MarkupAction::End) break;
    if (r.actions.size() > text.size()) {
      ADD_FAILURE() << "a step did not move forward";
      break;
    }
  }
  r.last = lines.Text;
  r.stoppedAt = reader.Position();
  return r;
}

Reading Read(std::u32string_view text) {
  PlayerRecord player;
  return Read(text, player);
}

using Lines = std::array<std::u32string, 5>;

TEST(Markup, PagedTextShowsTheFirstWordThenTheSecondOnTheNextLine) {
  const Reading r = Read(
      U"ミオ\\Pルカ"
      U"Pe");
  ASSERT_EQ(r.pages.size(), 2u);
  EXPECT_EQ(r.pages[0], (Lines{U"ミオ", U"", U"", U"", U""}));
  EXPECT_EQ(r.pages[1], (Lines{U"ミオ", U"ルカ", U"", U"", U""}));
  EXPECT_EQ(r.last, r.pages[1]);
  EXPECT_EQ(r.actions.size(), 8u) << "seven steps and the end";
}

TEST(Markup, BranchFollowsTheFlagValue) {
  const std::u32string text = U"F07aはいPe bいいえPe";
  PlayerRecord player;
  EXPECT_EQ(Read(text, player).last[0], U"はい");
  player.StoryFlags[7] = 1;
  EXPECT_EQ(Read(text, player).last[0], U"いいえ");
  player.StoryFlags[7] = 2;  // there is no "c": the message ends without printing
  const Reading missing = Read(text, player);
  EXPECT_EQ(missing.last, Lines{});
  EXPECT_EQ(missing.actions, std::vector<MarkupAction>{MarkupAction::End});
  player.StoryFlags[7] = 3;  // "d" is looked for the same way
  EXPECT_EQ(Read(U"F07aXedY"
                 U"e",
                 player)
                .last[0],
            U"Y");
  player.StoryFlags[7] = 4;  // beyond 3 no branch is taken and the digits are read as text
  EXPECT_EQ(Read(text, player).last[0], U"07aはい");
}

TEST(Markup, BranchLetterIsLookedForAfterTheDigits) {
  PlayerRecord player;
  player.StoryFlags[11] = 1;  // "0b" holds a "b"; the branch is the one after it
  EXPECT_EQ(Read(U"F0baいいえe bはいe", player).last[0], U"はい");
}

TEST(Markup, SetAndClearFlagsPrintNothing) {
  PlayerRecord player;
  Reading r = Read(U"S0Be", player);
  EXPECT_EQ(player.StoryFlags[11], 1);
  EXPECT_EQ(r.last, Lines{});
  player.StoryFlags[11] = 2;
  r = Read(U"R0Be", player);
  EXPECT_EQ(player.StoryFlags[11], 0);
  EXPECT_EQ(r.last, Lines{});
  Read(U"S14S0aR0Ae", player);  // lowercase digits too; the last flag is 20
  EXPECT_EQ(player.StoryFlags[20], 1);
  EXPECT_EQ(player.StoryFlags[10], 0);
}

TEST(Markup, FlagNumbersBeyondTwentyOrMalformedAreIgnored) {
  PlayerRecord player;
  const PlayerRecord before = player;
  const Reading r = Read(U"S15SFFR7FSZ1S1 wG1あe", player);
  EXPECT_EQ(player.StoryFlags, before.StoryFlags);
  EXPECT_EQ(r.last[0], U"あ") << "the argument is skipped either way";
  EXPECT_TRUE(r.voices.empty());
  // A branch on a flag that does not exist takes no branch, like a value beyond 3.
  EXPECT_EQ(Read(U"F15aXe", player).last[0], U"15aX");
  EXPECT_EQ(Read(U"FQ1aXe", player).last[0], U"Q1aX");
}

TEST(Markup, TextsThatRunOutEndWhereTheyStop) {
  for (const std::u32string text : {U"ミオ", U"ミオS0", U"ミオF0", U"ミオw", U"ミオF07bX"}) {
    PlayerRecord player;
    const Reading r = Read(text, player);
    EXPECT_EQ(r.actions.back(), MarkupAction::End);
    EXPECT_EQ(r.last[0], U"ミオ") << "text " << r.stoppedAt;
    EXPECT_EQ(player.StoryFlags, PlayerRecord{}.StoryFlags);
  }
}

TEST(Markup, NewLinesWrapAfterTheFifthAndClearEmpties) {
  EXPECT_EQ(Read(U"1\\2\\3\\4\\5e").last, (Lines{U"1", U"2", U"3", U"4", U"5"}));
  EXPECT_EQ(Read(U"1\\2\\3\\4\\5\\6e").last, (Lines{U"6", U"", U"", U"", U""}));
  EXPECT_EQ(Read(U"1\\2C3e").last, (Lines{U"3", U"", U"", U"", U""}));
  EXPECT_EQ(Read(U"\\\\  それからe").last[2], U"  それから");
  EXPECT_EQ(Read(U"aWbe").last[0], U"ab") << "W only costs a step";
  EXPECT_EQ(Read(U"あeいう").actions.size(), 2u) << "nothing after the end is read";
}

TEST(Markup, HealRestoresHpAndVoicesNameTheirFiles) {
  PlayerRecord player;
  player.PlayerStr = 60;
  player.PlayerHp = 12.5f;
  const Reading r = Read(U"Hw01w02w03w00e", player);
  EXPECT_EQ(player.PlayerHp, 60.0f);
  EXPECT_EQ(r.actions[0], MarkupAction::Heal);
  EXPECT_EQ(r.voices, (std::vector<std::string>{"Wave01.wav", "Wave02.wav"}));
  EXPECT_EQ(r.actions.size(), 6u) << "unknown voices are plain steps";
  EXPECT_EQ(r.last, Lines{});
}

}  // namespace
}  // namespace korvela
