// The music notation of sound/*.song as the audio generator reads it, and the MIDI it writes.

#include "gen_audio/song_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "gen_audio/midi_file.h"
#include "platform/midi_length.h"

namespace gen_audio {
namespace {

using Heard = std::tuple<uint32_t, int, uint32_t>;  // start, key, sounding length

std::vector<Heard> NotesOf(const Part& part) {
  std::vector<Heard> out;
  for (const Note& n : part.notes) out.emplace_back(n.start, n.key, n.length);
  return out;
}

TEST(SongParser, NotesFollowLengthsDotsTiesOctavesRestsAndGate) {
  const Song song = ParseSong(
      "tempo 120\n"
      "part lead ch=1 prog=flute   # a comment\n"
      "  o4 q100 c4 d8. e16 f2 |\n"
      "  l8 g^4 r8 >c4 <b-4 |\n"
      "part low ch=2 prog=32\n"
      "  o3 c1 c#1 |\n",
      "t");
  ASSERT_EQ(song.parts.size(), 2u);
  EXPECT_EQ(song.length, 2 * 1920u);
  const Part& lead = song.parts[0];
  EXPECT_EQ(lead.channel, 0);
  EXPECT_EQ(lead.program, 73);
  EXPECT_EQ(NotesOf(lead), (std::vector<Heard>{{0, 60, 480},
                                               {480, 62, 360},
                                               {840, 64, 120},
                                               {960, 65, 960},
                                               {1920, 67, 720},
                                               {2880, 72, 480},
                                               {3360, 70, 480}}));
  // Without a q, notes sound for 90 % of their length.
  EXPECT_EQ(NotesOf(song.parts[1]), (std::vector<Heard>{{0, 48, 1728}, {1920, 49, 1728}}));
}

TEST(SongParser, ChordsStackUpwardAndPhrasesMoveTheNearerWay) {
  const Song song = ParseSong(
      "phrase up root=c\n"
      "  o4 c e g\n"
      "part p ch=1\n"
      "  l4 q100 (gce)2 (<c e g)2 | @up:g r4 @up:f r4 |\n",
      "t");
  EXPECT_EQ(NotesOf(song.parts[0]), (std::vector<Heard>{{0, 67, 960},
                                                        {0, 72, 960},
                                                        {0, 76, 960},
                                                        {960, 48, 960},
                                                        {960, 52, 960},
                                                        {960, 55, 960},
                                                        {1920, 55, 480},  // C to G: down a fourth
                                                        {2400, 59, 480},
                                                        {2880, 62, 480},
                                                        {3840, 65, 480},  // C to F: up a fourth
                                                        {4320, 69, 480},
                                                        {4800, 72, 480}}));
}

TEST(SongParser, RepeatsAndDrumPatternsExpandInTime) {
  const Song song = ParseSong(
      "meter 3/4\n"
      "pattern beat step=8\n"
      "  kick  X.x.o.\n"
      "  hat   ..x...\n"
      "part drums ch=10\n"
      "  [%beat]2 |\n"
      "part keys ch=1\n"
      "  l4 [c [d]2]2 |\n",
      "t");
  EXPECT_EQ(song.length, 2 * 1440u);
  std::vector<std::tuple<uint32_t, int, int>> hits;
  for (const Note& n : song.parts[0].notes) hits.emplace_back(n.start, n.key, n.velocity);
  EXPECT_EQ(hits, (std::vector<std::tuple<uint32_t, int, int>>{{0, 36, 118},
                                                               {480, 36, 92},
                                                               {480, 42, 92},
                                                               {960, 36, 55},
                                                               {1440, 36, 118},
                                                               {1920, 36, 92},
                                                               {1920, 42, 92},
                                                               {2400, 36, 55}}));
  std::vector<int> keys;
  for (const Note& n : song.parts[1].notes) keys.push_back(n.key);
  EXPECT_EQ(keys, (std::vector<int>{60, 62, 62, 60, 62, 62}));
}

TEST(SongParser, MistakesAreReportedWithTheirLine) {
  const struct {
    const char* text;
    int line;
  } cases[] = {
      {"part a ch=1\n  c4 d4 e4 f4 |\n  g4 |\n", 3},                     // bar line inside a bar
      {"part a ch=1\n  c1 |\npart b ch=2\n  c1 c1 |\n", 3},              // parts end apart
      {"part a ch=1\n  c1 |\npart b ch=1\n  c1 |\n", 3},                 // shared channel
      {"part a ch=1\n\n  @tune |\n", 3},                                 // no such phrase
      {"part a ch=1 prog=kazoo\n  c1\n", 1},                             // no such instrument
      {"part a ch=1\n  [c4 d4\n", 2},                                    // unclosed repeat
      {"phrase p root=c\n  @p\npart a ch=1\n  @p\n", 2},                 // a phrase in itself
      {"pattern p\n  kick x...\n  snare x..\npart a ch=10\n  %p\n", 3},  // ragged pattern
      {"  c4\n", 1},                                                     // indented, no block
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      ParseSong(c.text, "t");
      ADD_FAILURE() << "accepted";
    } catch (const SongError& e) {
      EXPECT_EQ(e.line(), c.line) << e.what();
    }
  }
}

TEST(MidiFile, PlaysToTheEndOfTheLastBarEvenAfterARest) {
  // Two bars at 120 beats a minute: four seconds, though the only note ends after two.
  const Song song = ParseSong("tempo 120\npart a ch=1\n  o4 c1 | r1 |\n", "t");
  EXPECT_EQ(platform::MidiLengthMs(MidiBytes(song)), 4000u);
}

}  // namespace
}  // namespace gen_audio
