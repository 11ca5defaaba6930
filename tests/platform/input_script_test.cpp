#include "platform/input_script.h"

#include <gtest/gtest.h>

#include "platform/music_command.h"

namespace platform {
namespace {

TEST(InputScript, ParsesEventsInTimeOrderAndRoundTrips) {
  std::string error;
  const auto events = ParseInputScript(
      "# a walk\n200 up Right\n0 down Right\n\n500 down Space\r\n900 quit\n", &error);
  ASSERT_TRUE(events) << error;
  ASSERT_EQ(events->size(), 4u);
  EXPECT_EQ((*events)[0].ms, 0u);
  EXPECT_EQ((*events)[0].key, Key::Right);
  EXPECT_EQ((*events)[1].kind, InputEvent::Kind::Up);
  EXPECT_EQ((*events)[3].kind, InputEvent::Kind::Quit);
  std::string text;
  for (const auto& e : *events) text += FormatInputEvent(e) + "\n";
  EXPECT_EQ(text, "0 down Right\n200 up Right\n500 down Space\n900 quit\n");
}

TEST(InputScript, RecordingsKeepTheirMomentsSeedAndSaveAndRoundTrip) {
  std::string error;
  const std::string text = FormatRecordingHeader(4000000000u, std::vector<uint8_t>{0, 0xAB, 7}) +
                           "9 up Right\n2 down Right\n9 quit\n";
  const auto script = ParseInputFile(text, &error);
  ASSERT_TRUE(script) << error;
  EXPECT_TRUE(script->byMoment);
  EXPECT_EQ(script->seed, 4000000000u);
  EXPECT_EQ(script->startSave, (std::vector<uint8_t>{0, 0xAB, 7}));
  std::string lines;
  for (const auto& e : script->events) lines += FormatInputEvent(e, true) + "\n";
  EXPECT_EQ(lines, "2 down Right\n9 up Right\n9 quit\n");
  EXPECT_FALSE(ParseInputScript(text, &error)) << "a recording is not a timed script";

  const auto none = ParseInputFile(FormatRecordingHeader(1, std::vector<uint8_t>{}), &error);
  ASSERT_TRUE(none) << error;
  EXPECT_EQ(none->startSave, std::vector<uint8_t>{}) << "a run that started without a save";
  EXPECT_FALSE(ParseInputFile("format times\n5 down Up\n", &error)->byMoment);
}

TEST(InputScript, RejectsBadLinesNamingTheLine) {
  for (const char* bad :
       {"10 down Enter", "x down Up", "10 press Up", "10 down Up now", "-5 down Up", "10 quit Up",
        "format moments", "format sideways", "seed x", "seed 1 2", "seed 99999999999", "save",
        "save 0", "save 0g", "save none 1", "save 00 00"}) {
    std::string error;
    EXPECT_FALSE(ParseInputScript(std::string("0 down Up\n") + bad, &error)) << bad;
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
  }
}

TEST(InputScript, ShowsABadLineQuotedShortAndHarmless) {
  struct Case {
    std::string line;
    std::string shown;  // what the message must hold
    size_t longest;     // and its largest size
  };
  const Case cases[] = {
      {"10 down \x1b[2J\x07", "\"10 down \\x1B[2J\\x07\"", 200},
      {"10 down " + std::string(10 << 20, 'A'), "(10485768 bytes, cut short)", 200},
      {"10 \"down\" Up", "\"10 \\\"down\\\" Up\"", 200},
      // A cut never splits a character: 60 bytes would end inside the 16th あ.
      {"1 down " + std::string(7, 'x') +
           [] {
             std::string a;
             for (int i = 0; i < 30; ++i) a += "あ";
             return a;
           }(),
       std::string(7, 'x') + "あああああああああああああああ\"", 200},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseInputScript(c.line, &error));
    EXPECT_NE(error.find(c.shown), std::string::npos) << error;
    EXPECT_LE(error.size(), c.longest) << error.substr(0, 300);
  }
}

TEST(InputScript, AByteOrderMarkIsNotPartOfTheFirstLine) {
  std::string error;
  const auto events = ParseInputScript(
      "\xEF\xBB\xBF"
      "100 down Space\n",
      &error);
  ASSERT_TRUE(events) << error;
  EXPECT_EQ(events->at(0).ms, 100u);
}

TEST(MusicCommands, UnderstandsTheGamesCommandStrings) {
  const auto open = ParseMusicCommand("open \"/game/Sound/Stones 2.mid\" alias MIDI");
  ASSERT_TRUE(open);
  EXPECT_EQ(open->verb, MusicCommand::Verb::Open);
  EXPECT_EQ(open->path, "/game/Sound/Stones 2.mid");
  EXPECT_EQ(open->alias, "MIDI");
  // A data folder whose name holds a quote.
  const auto quoted = ParseMusicCommand("open \"/home/a\"b/Sound/x.mid\" alias MIDI");
  ASSERT_TRUE(quoted);
  EXPECT_EQ(quoted->path, "/home/a\"b/Sound/x.mid");
  using V = MusicCommand::Verb;
  const std::pair<const char*, V> known[] = {
      {"close MIDI notify", V::Close},        {"play MIDI notify", V::Play},
      {"stop MIDI notify", V::Stop},          {"status MIDI mode", V::Status},
      {"seek MIDI to start", V::SeekToStart}, {"play MIDI from 0", V::PlayFromStart},
  };
  for (const auto& [text, verb] : known) {
    const auto c = ParseMusicCommand(text);
    ASSERT_TRUE(c) << text;
    EXPECT_EQ(c->verb, verb) << text;
    EXPECT_EQ(c->alias, "MIDI");
  }
  for (const char* bad :
       {"", "open x alias MIDI", "open \"x\"", "play MIDI from 5", "dance MIDI"}) {
    EXPECT_FALSE(ParseMusicCommand(bad)) << bad;
  }
}

}  // namespace
}  // namespace platform
