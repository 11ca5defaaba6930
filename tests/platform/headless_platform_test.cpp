#include "platform/headless_platform.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/midi_length.h"
#include "support/recording_events.h"
#include "support/temp_files.h"
#include "support/tiny_midi.h"

namespace platform {
namespace {

using korvela::testing::FreshTempDir;
using korvela::testing::RecordingEvents;
using korvela::testing::TinyMidi;
using korvela::testing::WriteFile;

TEST(MidiLength, FollowsTempoAndRejectsOtherFiles) {
  EXPECT_EQ(MidiLengthMs(TinyMidi(4)), 2000u);           // 4 quarters at 120 bpm
  EXPECT_EQ(MidiLengthMs(TinyMidi(3, 1000000)), 3000u);  // 3 quarters at 60 bpm
  EXPECT_FALSE(MidiLengthMs("RIFF....WAVEfmt "));
  std::string cut = TinyMidi(4);
  cut.resize(cut.size() - 10);
  EXPECT_FALSE(MidiLengthMs(cut));
  // One tick per quarter at the slowest tempo and the longest gap: about 140 years, more than
  // 32 bits of milliseconds hold.
  const std::string track("\x00\xFF\x51\x03\xFF\xFF\xFF\xFF\xFF\xFF\x7F\xFF\x2F\x00", 14);
  const std::string longest = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x01MTrk\0\0\0", 21) +
                              static_cast<char>(track.size()) + track;
  EXPECT_EQ(MidiLengthMs(longest), 0xFFFFFFFFu);
}

TEST(HeadlessPlatform, ScriptedKeysArriveOnTheVirtualClock) {
  std::string error;
  HeadlessOptions options;
  options.input = *ParseInputScript("100 down Right\n150 up Right\n300 down Space\n", &error);
  HeadlessPlatform p(std::move(options));
  RecordingEvents events;
  p.SetEventHandler(&events);

  EXPECT_FALSE(p.QueryKey(Key::Right).Any());
  p.Sleep(200);  // the tap at 100..150 happened inside the sleep
  EXPECT_EQ(p.Clock(), 200u);
  const KeyState tapped = p.QueryKey(Key::Right);
  EXPECT_FALSE(tapped.held);
  EXPECT_TRUE(tapped.pressedSinceLastQuery);
  EXPECT_FALSE(p.QueryKey(Key::Right).Any()) << "a tap counts once";
  EXPECT_TRUE(events.seen.empty()) << "releases wait for Yield";
  p.Yield();
  EXPECT_EQ(events.seen, std::vector<std::string>{"keyup 39"});

  p.Sleep(100);
  EXPECT_TRUE(p.QueryKey(Key::Space).held);
  EXPECT_TRUE(p.QueryKey(Key::Space).held) << "a held key keeps reporting";
}

TEST(HeadlessPlatform, MusicTimerTicksOncePerSecondAndCoalesces) {
  HeadlessPlatform p;
  RecordingEvents events;
  p.SetEventHandler(&events);
  p.Sleep(999);
  p.Yield();
  EXPECT_TRUE(events.seen.empty());
  p.Sleep(1);
  p.Yield();
  p.Yield();
  EXPECT_EQ(events.seen.size(), 1u);
  p.Sleep(3500);  // several seconds without a yield give one tick
  p.Yield();
  EXPECT_EQ(events.seen.size(), 2u);
  p.Sleep(500);  // ... and the ticks stay on the one-second grid
  p.Yield();
  EXPECT_EQ(events.seen.size(), 3u);
}

TEST(HeadlessPlatform, QuitAndEndTimeCloseTheWindowAtTheNextYield) {
  std::string error;
  HeadlessOptions options;
  options.input = *ParseInputScript("50 quit\n", &error);
  HeadlessPlatform p(std::move(options));
  RecordingEvents events;
  p.SetEventHandler(&events);
  p.Sleep(100);
  EXPECT_THROW(p.Yield(), QuitRequested);
  EXPECT_EQ(events.seen.back(), "close");

  HeadlessOptions until;
  until.untilMs = 1000;
  HeadlessPlatform q(std::move(until));
  q.Sleep(999);
  q.Yield();
  q.Sleep(1);
  EXPECT_THROW(q.Yield(), QuitRequested);
}

// A stand-in for the game's polling: what it sees of Right and Space at each query, and the
// releases its yields deliver (the music timer follows the clock, not the keys), until the
// window closes. `pace` is how long it sleeps per turn.
std::string PlayAlong(HeadlessPlatform& p, uint32_t pace) {
  RecordingEvents events;
  p.SetEventHandler(&events);
  std::string seen;
  try {
    for (int turn = 0; turn < 1000; ++turn) {
      for (Key k : {Key::Right, Key::Space}) {
        const KeyState s = p.QueryKey(k);
        seen += std::to_string(s.held) + std::to_string(s.pressedSinceLastQuery);
      }
      p.Yield();
      for (const std::string& e : events.seen) seen += e == "timer" ? "" : e + ",";
      events.seen.clear();
      seen += " ";
      p.Sleep(pace);
    }
  } catch (const QuitRequested&) {
    seen += "quit";
  }
  return seen;
}

TEST(HeadlessPlatform, RecordingsByMomentReplayTheSameAnswersAtAnyPace) {
  const auto dir = FreshTempDir("moments");
  std::string error;
  HeadlessOptions timed;
  timed.input = *ParseInputScript("100 down Right\n120 up Right\n300 down Space\n", &error);
  timed.untilMs = 500;
  HeadlessPlatform recorder(std::move(timed));
  recorder.RecordInput(
      InputRecorder::Open(dir / "keys.txt", FormatRecordingHeader(3, std::nullopt), &error));
  const std::string original = PlayAlong(recorder, 70);
  EXPECT_NE(original.find("01"), std::string::npos) << "the tap inside a sleep: " << original;

  std::ifstream in(dir / "keys.txt");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto script = ParseInputFile(text, &error);
  ASSERT_TRUE(script && script->byMoment) << error << text;
  // Three moments a turn: the tap between the turns at 70 and 140 ms reaches the third turn's
  // first query (6), Space at 300 ms the sixth turn's (15), the end time at 500 ms the ninth's.
  std::string lines;
  for (const auto& e : script->events) lines += FormatInputEvent(e, true) + "\n";
  EXPECT_EQ(lines, "6 down Right\n6 up Right\n15 down Space\n24 quit\n");
  for (const uint32_t pace : {70u, 1u, 900u}) {
    HeadlessOptions options;
    options.input = script->events;
    options.inputByMoment = true;
    HeadlessPlatform replay(std::move(options));
    EXPECT_EQ(PlayAlong(replay, pace), original) << "sleeping " << pace << " ms a turn";
  }
  std::filesystem::remove_all(dir);
}

TEST(HeadlessPlatform, SimulatedMusicDeviceEndsTracksAndForgetsClosedOnes) {
  const auto dir = FreshTempDir("music");
  WriteFile(dir / "two.mid", TinyMidi(4));  // 2 seconds
  HeadlessPlatform p;
  const std::string open = "open \"" + (dir / "two.mid").string() + "\" alias MIDI";
  EXPECT_EQ(p.SendMusicCommand("status MIDI mode"), "") << "nothing open";
  p.SendMusicCommand(open);
  EXPECT_EQ(p.SendMusicCommand("status MIDI mode"), "stopped");
  p.SendMusicCommand("play MIDI notify");
  p.Sleep(1999);
  EXPECT_EQ(p.SendMusicCommand("status MIDI mode"), "playing");
  p.Sleep(1);
  EXPECT_EQ(p.SendMusicCommand("status MIDI mode"), "stopped");
  p.SendMusicCommand("play MIDI notify");  // at its end, play does not restart it
  EXPECT_EQ(p.SendMusicCommand("status MIDI mode"), "stopped");
  p.SendMusicCommand("seek MIDI to start");
  p.SendMusicCommand("play MIDI from 0");
  EXPECT_EQ(p.SendMusicCommand("status MIDI mode"), "playing");
  p.SendMusicCommand("close MIDI notify");
  EXPECT_EQ(p.SendMusicCommand("status MIDI mode"), "");
  p.SendMusicCommand("open \"" + (dir / "missing.mid").string() + "\" alias MIDI");
  EXPECT_EQ(p.SendMusicCommand("status MIDI mode"), "") << "a missing file does not open";
  std::filesystem::remove_all(dir);
}

TEST(HeadlessPlatform, LogsEffectsAndWritesShotsAtTheirTime) {
  const auto dir = FreshTempDir("log");
  HeadlessOptions options;
  options.logPath = dir / "log.jsonl";
  options.shots = {{100, dir / "a.png"}, {5000, dir / "late.png"}};
  {
    HeadlessPlatform p(std::move(options));
    Surface crt(484, 388, 0x336699);
    p.SetCaption("LV=1 \"quoted\"");
    p.PlaySound("/x/Sound/shot.wav");
    p.Present(crt);
    p.Sleep(150);
    EXPECT_TRUE(std::filesystem::exists(dir / "a.png"));
    EXPECT_FALSE(std::filesystem::exists(dir / "late.png"));
    p.Finish();  // a shot asked for after the end shows the last frame
    EXPECT_TRUE(std::filesystem::exists(dir / "late.png"));
  }
  std::ifstream in(dir / "log.jsonl");
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(all.find("{\"t\":0,\"caption\":\"LV=1 \\\"quoted\\\"\"}"), std::string::npos) << all;
  EXPECT_NE(all.find("{\"t\":0,\"sound\":\"shot.wav\"}"), std::string::npos) << all;
  EXPECT_NE(all.find("\"shot\""), std::string::npos) << all;
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace platform
