// The files the build writes into Sound/: every name the game plays is there, each MIDI file is
// a well-formed loop of sensible length, each WAV file is a clean effect in the game's format.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/midi_length.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSoundDir = fs::path(KORVELA_BUILD_DIR) / "Sound";

// Every track the game opens, and the effects it plays, with the longest each may last.
constexpr const char* kMusic[] = {"Stones2.mid",  "Forest_A.mid", "Tavern03.mid",
                                  "Dragflit.mid", "dungeon2.mid", "Cave01.mid",
                                  "Combat1.mid",  "combat2.mid",  "Tolvane1.mid"};
struct EffectLimit {
  const char* name;
  double maxSeconds;
};
constexpr EffectLimit kEffects[] = {
    {"scream.wav", 3},      {"shot.wav", 1},
    {"explode.wav", 3},     {"fire04.wav", 3},
    {"BellA@16.wav", 3},    {"ChakiB@22.wav", 0.05},  // once per typed character
    {"ChakiD@22.wav", 0.3}, {"CockB@11.wav", 3},
    {"gatetrvl.wav", 3},    {"Wave01.wav", 0.5},
    {"Wave02.wav", 0.5},    {"dragon_asian_atk.wav", 1},
    {"dragon1.wav", 3},     {"dragon5.wav", 3},
    {"liche1.wav", 3},      {"liche5.wav", 3},
    {"gazer4.wav", 1},      {"daemon1.wav", 3},
    {"daemon4.wav", 3},     {"daemon5.wav", 3},
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

uint32_t Be(const std::string& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
  return v;
}

uint32_t Le(const std::string& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
  return v;
}

// What one track of a MIDI file does, read independently of the generator.
struct TrackFacts {
  bool wellFormed = false;  // every event readable and end-of-track the last thing in it
  uint64_t endTick = 0;
  std::set<int> noteChannels;
  std::set<int> channelsWithoutProgram;  // melodic channels that sound before a program is set
  int hangingNotes = 0;                  // notes still sounding at the end of the track
  int drumKeysOutsideKit = 0;
};

TrackFacts ReadTrack(const std::string& b, size_t pos, size_t end) {
  TrackFacts t;
  std::set<int> programmed;
  std::map<std::pair<int, int>, int> sounding;  // (channel, key) -> how many
  uint8_t running = 0;
  auto varLen = [&](uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4 && pos < end; ++i) {
      const auto c = static_cast<uint8_t>(b[pos++]);
      out = (out << 7) | (c & 0x7F);
      if (!(c & 0x80)) return true;
    }
    return false;
  };
  while (pos < end) {
    uint32_t delta;
    if (!varLen(delta) || pos >= end) return t;
    t.endTick += delta;
    const auto status = static_cast<uint8_t>(b[pos]);
    if (status == 0xFF) {
      uint32_t len;
      const auto type = static_cast<uint8_t>(b[pos + 1]);
      pos += 2;
      if (!varLen(len) || pos + len > end) return t;
      pos += len;
      if (type == 0x2F) {
        t.wellFormed = pos == end;
        for (const auto& [note, count] : sounding) t.hangingNotes += count;
        return t;
      }
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {  // system exclusive: skip its bytes
      uint32_t len;
      ++pos;
      if (!varLen(len) || pos + len > end) return t;
      pos += len;
      continue;
    }
    if (status & 0x80) {
      running = status;
      ++pos;
    } else if (!running) {
      return t;
    }
    const int kind = running & 0xF0, channel = running & 0x0F;
    const int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
    if (pos + dataBytes > end) return t;
    const int key = static_cast<uint8_t>(b[pos]);
    const int velocity = dataBytes == 2 ? static_cast<uint8_t>(b[pos + 1]) : 0;
    pos += dataBytes;
    if (kind == 0xC0) programmed.insert(channel);
    if (kind == 0x90 && velocity > 0) {
      t.noteChannels.insert(channel);
      ++sounding[{channel, key}];
      if (channel == 9 && (key < 35 || key > 81)) ++t.drumKeysOutsideKit;
      if (channel != 9 && !programmed.count(channel)) t.channelsWithoutProgram.insert(channel);
    } else if (kind == 0x80 || kind == 0x90) {
      if (sounding[{channel, key}] > 0) --sounding[{channel, key}];
    }
  }
  return t;  // ran out without an end-of-track
}

TEST(SoundFiles, EveryNameTheGamePlaysIsWritten) {
  for (const char* name : kMusic) EXPECT_TRUE(fs::is_regular_file(kSoundDir / name)) << name;
  for (const EffectLimit& e : kEffects) {
    EXPECT_TRUE(fs::is_regular_file(kSoundDir / e.name)) << e.name;
  }
}

TEST(SoundFiles, MusicIsAWellFormedLoopOfHalfAMinuteToAMinuteAndAHalf) {
  for (const char* name : kMusic) {
    SCOPED_TRACE(name);
    const std::string b = ReadFile(kSoundDir / name);
    ASSERT_GE(b.size(), 14u);
    ASSERT_EQ(b.substr(0, 4), "MThd");
    EXPECT_EQ(Be(b, 8, 2), 1u) << "format";
    const uint32_t tracks = Be(b, 10, 2);
    EXPECT_GE(tracks, 3u) << "a conductor track and at least two instruments";

    size_t pos = 8 + Be(b, 4, 4);
    std::set<uint64_t> endTicks;
    std::set<int> channelsSeen;
    for (uint32_t i = 0; i < tracks; ++i) {
      ASSERT_LE(pos + 8, b.size());
      ASSERT_EQ(b.substr(pos, 4), "MTrk") << "track " << i;
      const size_t end = pos + 8 + Be(b, pos + 4, 4);
      ASSERT_LE(end, b.size());
      const TrackFacts t = ReadTrack(b, pos + 8, end);
      EXPECT_TRUE(t.wellFormed) << "track " << i << " does not close with end-of-track";
      EXPECT_EQ(t.hangingNotes, 0) << "track " << i << " leaves notes sounding at the loop";
      EXPECT_TRUE(t.channelsWithoutProgram.empty()) << "track " << i << " plays unset programs";
      EXPECT_EQ(t.drumKeysOutsideKit, 0) << "track " << i;
      EXPECT_LE(t.noteChannels.size(), 1u) << "track " << i << " mixes channels";
      for (int ch : t.noteChannels) {
        EXPECT_TRUE(channelsSeen.insert(ch).second) << "two tracks play channel " << ch + 1;
      }
      endTicks.insert(t.endTick);
      pos = end;
    }
    EXPECT_EQ(endTicks.size(), 1u) << "the tracks end at different times, so the loop drifts";
    EXPECT_EQ(pos, b.size()) << "bytes after the last track";

    const std::optional<uint32_t> ms = platform::MidiLengthMs(b);
    ASSERT_TRUE(ms.has_value());
    EXPECT_GE(*ms, 30'000u);
    EXPECT_LE(*ms, 90'000u);
  }
}

TEST(SoundFiles, EffectsAreCleanMono16BitAt22050Hz) {
  for (const EffectLimit& e : kEffects) {
    SCOPED_TRACE(e.name);
    const std::string b = ReadFile(kSoundDir / e.name);
    ASSERT_GE(b.size(), 44u);
    ASSERT_EQ(b.substr(0, 4), "RIFF");
    ASSERT_EQ(b.substr(8, 4), "WAVE");
    EXPECT_EQ(Le(b, 4, 4), b.size() - 8);

    // Walk the chunks: the format first, then the samples.
    size_t pos = 12, dataAt = 0, dataSize = 0;
    bool sawFormat = false;
    while (pos + 8 <= b.size()) {
      const std::string id = b.substr(pos, 4);
      const uint32_t size = Le(b, pos + 4, 4);
      ASSERT_LE(pos + 8 + size, b.size()) << id << " runs past the end";
      if (id == "fmt ") {
        sawFormat = true;
        EXPECT_EQ(Le(b, pos + 8, 2), 1u) << "PCM";
        EXPECT_EQ(Le(b, pos + 10, 2), 1u) << "mono";
        EXPECT_EQ(Le(b, pos + 12, 4), 22050u) << "sample rate";
        EXPECT_EQ(Le(b, pos + 16, 4), 44100u) << "bytes per second";
        EXPECT_EQ(Le(b, pos + 20, 2), 2u) << "block align";
        EXPECT_EQ(Le(b, pos + 22, 2), 16u) << "bits";
      } else if (id == "data") {
        dataAt = pos + 8;
        dataSize = size;
      }
      pos += 8 + size + (size & 1);
    }
    ASSERT_TRUE(sawFormat);
    ASSERT_GT(dataSize, 0u);

    const size_t count = dataSize / 2;
    const double seconds = static_cast<double>(count) / 22050.0;
    EXPECT_GE(seconds, 0.02);
    EXPECT_LE(seconds, e.maxSeconds);

    double peak = 0, energy = 0;
    int atFullScale = 0;
    for (size_t i = 0; i < count; ++i) {
      const auto s = static_cast<int16_t>(Le(b, dataAt + 2 * i, 2));
      atFullScale += s == 32767 || s == -32768;
      const double v = s / 32768.0;
      peak = std::max(peak, std::abs(v));
      energy += v * v;
    }
    const double rms = std::sqrt(energy / static_cast<double>(count));
    const double last = static_cast<int16_t>(Le(b, dataAt + dataSize - 2, 2)) / 32768.0;
    EXPECT_EQ(atFullScale, 0) << "clipped";
    EXPECT_LT(peak, 0.95) << "no headroom";
    EXPECT_GT(peak, 0.2) << "too quiet";
    EXPECT_GT(rms, 0.02) << "nearly silent";
    EXPECT_LT(std::abs(last), 0.01) << "ends on a step, which clicks";
  }
}

}  // namespace
