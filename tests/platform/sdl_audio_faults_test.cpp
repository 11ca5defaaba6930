// Damaged sounds and SoundFonts in the real window's audio: each is named once on stderr and
// stays silent; nothing crashes or hangs.

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/sdl_platform.h"
#include "platform/sound_font.h"
#include "support/odd_files.h"
#include "support/temp_files.h"
#include "support/tiny_midi.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using korvela::testing::MakeOddFile;
using korvela::testing::OddFile;
using korvela::testing::TempDir;
using korvela::testing::TinyMidi;
using korvela::testing::WriteFile;

class SdlAudioFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
  }
  std::unique_ptr<SdlPlatform> Open(const fs::path& soundFont = {}) {
    SdlOptions options;
    options.soundFont = soundFont;
    std::string error;
    auto p = SdlPlatform::Create(options, &error);
    EXPECT_TRUE(p) << error;
    return p;
  }
  std::string Open(const fs::path& file, SdlPlatform& p) {
    return p.SendMusicCommand("open \"" + file.string() + "\" alias MIDI");
  }
  static size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
  TempDir dir;
};

TEST_F(SdlAudioFaults, DamagedSoundFilesAreNamedOnceAndStaySilent) {
  WriteFile(dir.Path() / "noise.wav", "RIFF\x10\0\0\0WAVEfmt garbage, no sound"s);
  MakeOddFile(dir.Path() / "folder.wav", OddFile::Folder);
  MakeOddFile(dir.Path() / "fifo.wav", OddFile::Fifo);
  WriteFile(dir.Path() / "noise.mid", "MThd\0\0\0\x06\0\0\0\x01\x01\xe0MTrk\xff\xff\xff\xff"s);
  MakeOddFile(dir.Path() / "folder.mid", OddFile::Folder);
  MakeOddFile(dir.Path() / "fifo.mid", OddFile::Fifo);
  const char* env = std::getenv("SDL_SOUNDFONTS");
  const bool music = !FindSoundFont({}, env ? env : "", UsualSoundFontFolders()).empty();

  auto p = Open();
  ::testing::internal::CaptureStderr();
  for (int twice = 0; twice < 2; ++twice) {
    for (const char* wav : {"noise.wav", "folder.wav", "fifo.wav", "missing.wav"}) {
      p->PlaySound(dir.Path() / wav);
      EXPECT_EQ(Mix_Playing(-1), 0) << wav;
    }
    for (const char* mid : {"noise.mid", "folder.mid", "fifo.mid", "missing.mid"}) {
      Open(dir.Path() / mid, *p);
      p->SendMusicCommand("play MIDI notify");
      EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "") << mid << ": nothing is open";
    }
  }
  const std::string said = ::testing::internal::GetCapturedStderr();
  for (const char* file : {"noise.wav", "folder.wav", "fifo.wav"}) {
    EXPECT_EQ(Count(said, file), 1u) << file << " in " << said;
  }
  if (music) {
    for (const char* file : {"noise.mid", "folder.mid", "fifo.mid"}) {
      EXPECT_EQ(Count(said, file), 1u) << file << " in " << said;
    }
  }
  EXPECT_EQ(Count(said, "missing"), 0u) << "a missing sound is silent, as always: " << said;
  EXPECT_EQ(Count(said, "SoundFont"), 0u) << said;
}

TEST_F(SdlAudioFaults, ASoundFontThatCannotLoadIsNamedOnceAndTheMusicIsSilent) {
  WriteFile(dir.Path() / "tune.mid", TinyMidi(4));
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"text.sf2", "this is no SoundFont"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(dir.Path() / c.name, c.bytes);
    ::testing::internal::CaptureStderr();
    {
      auto p = Open(dir.Path() / c.name);
      for (int twice = 0; twice < 2; ++twice) {
        Open(dir.Path() / "tune.mid", *p);
        p->SendMusicCommand("play MIDI notify");
        EXPECT_EQ(p->SendMusicCommand("status MIDI mode"), "");
        p->SendMusicCommand("close MIDI notify");
      }
    }
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Count(said, "korvela: "), 1u) << said;
    EXPECT_EQ(Count(said, std::string("SoundFont ") + '"' + (dir.Path() / c.name).string()), 1u)
        << said;
    EXPECT_EQ(Count(said, "cannot be loaded"), 1u) << said;
  }
}

}  // namespace
}  // namespace platform
