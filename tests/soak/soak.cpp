// The soak: many games in a row in one process on the headless platform, played by a small bot
// (a new game or a continue, the opening paged through, some walking, then Escape or death, and
// the title again), checking that memory and stack stay flat from game to game.
//
//   korvela_soak GAMES BUILD_DIR      (BUILD_DIR holds DATA/, Sound/ and assets/)
//
// Prints the resident memory and stack depth at a few games and exits 1 when either grows.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/save_file.h"
#include "platform/font.h"
#include "platform/headless_platform.h"
#include "shell/program.h"
#include "shell/title_screen.h"
#include "support/temp_files.h"

namespace {

namespace fs = std::filesystem;
using platform::Key;

// AddressSanitizer keeps freed blocks in quarantine, so resident memory says nothing there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// A game that runs this long on the virtual clock is stuck somewhere the bot cannot leave.
constexpr uint64_t kLongestGameMs = 20 * 60 * 1000;

size_t ResidentKiB() {
  long total = 0, resident = 0;
  FILE* statm = std::fopen("/proc/self/statm", "r");
  if (!statm) return 0;
  if (std::fscanf(statm, "%ld %ld", &total, &resident) != 2) resident = 0;
  std::fclose(statm);
  return static_cast<size_t>(resident) * static_cast<size_t>(sysconf(_SC_PAGESIZE)) / 1024;
}

struct GameSample {
  size_t residentKiB = 0;
  size_t titleStack = 0;    // bytes of stack in use when the title screen opens its music
  size_t deepestStack = 0;  // the most the game before it used
};

// Effects are not kept: a long run must not pile them up, as the game's own headless run does.
platform::HeadlessOptions WithoutKeptEffects() {
  platform::HeadlessOptions options;
  options.keepEffects = false;
  return options;
}

// The headless platform with a player that reacts to what the game does.
class SoakBot : public platform::HeadlessPlatform {
 public:
  SoakBot(int games, const char* stackBase)
      : HeadlessPlatform(WithoutKeptEffects()), games_(games), stackBase_(stackBase) {}
  void SetGame(korvela::Game* g) { g_ = g; }
  const std::vector<GameSample>& Samples() const { return samples_; }
  bool Stuck() const { return stuck_; }

  void Sleep(uint32_t ms) override {
    NoteStack();
    Act();
    HeadlessPlatform::Sleep(ms);
  }
  void Present(const platform::Surface& crt) override {
    NoteStack();
    HeadlessPlatform::Present(crt);
  }
  void NoteFrame(const platform::FrameRecord& r) override {
    NoteStack();
    ++frames_;
    lastFrameAt_ = Clock();
    HeadlessPlatform::NoteFrame(r);
  }
  std::string SendMusicCommand(std::string_view command) override {
    if (command.starts_with("open ") && command.find("Stones2.mid") != std::string_view::npos) {
      OnTitle();
    }
    return HeadlessPlatform::SendMusicCommand(command);
  }

 private:
  enum class Phase { Title, Scene, Play, Ending };

  size_t StackInUse() const {
    return static_cast<size_t>(stackBase_ - static_cast<const char*>(__builtin_frame_address(0)));
  }
  void NoteStack() { deepest_ = std::max(deepest_, StackInUse()); }

  void OnTitle() {
    samples_.push_back({ResidentKiB(), StackInUse(), deepest_});
    deepest_ = 0;
    ReleaseAll();
    if (static_cast<int>(samples_.size()) > games_) {
      RequestQuit();
      return;
    }
    phase_ = Phase::Title;
    gameStartedAt_ = Clock();
    frames_ = 0;
  }

  void ReleaseAll() {
    for (Key k : {Key::Space, Key::C, Key::Escape, Key::Left, Key::Right, Key::Up, Key::Down}) {
      Release(k);
    }
  }

  // Presses a key on one call and lets it go on the next, so each tap is one press.
  void Tap(Key key) {
    if (tapHeld_) {
      Release(*tapHeld_);
      tapHeld_.reset();
      return;
    }
    Press(key);
    tapHeld_ = key;
  }

  void Act() {
    const uint32_t now = Clock();
    if (now - gameStartedAt_ > kLongestGameMs) {
      stuck_ = true;
      RequestQuit();
      return;
    }
    const int game = static_cast<int>(samples_.size());
    switch (phase_) {
      case Phase::Title:
        if (now - gameStartedAt_ < 300) return;
        // Odd games are new games, even ones continue the save.
        Tap(game % 2 ? Key::Space : Key::C);
        phase_ = Phase::Scene;
        playFrames_ = 50 + static_cast<int>(random_() % 150);
        return;
      case Phase::Scene:
        if (frames_ > 0) {
          if (tapHeld_) Tap(Key::Space);  // let go before the field could take it
          phase_ = Phase::Play;
          return;
        }
        if (now - lastTapAt_ >= 150) {
          Tap(Key::Space);
          lastTapAt_ = now;
        }
        return;
      case Phase::Play:
        Play(now, game);
        return;
      case Phase::Ending:
        // A message or scene still open when the game should end: page it away.
        if (now - lastFrameAt_ > 1000 && now - lastTapAt_ >= 150) {
          Tap(Key::Space);
          lastTapAt_ = now;
        } else if (now - lastFrameAt_ <= 1000 && now - lastTapAt_ >= 500) {
          // Still playing half a second on: an Escape held over from the walk was not taken as a
          // new press, so let go of it and press again.
          Tap(Key::Escape);
          lastTapAt_ = now;
        }
        return;
    }
  }

  void Play(uint32_t now, int game) {
    // A message window stops the frames: Space closes it.
    if (now - lastFrameAt_ > 1000) {
      if (now - lastTapAt_ >= 150) {
        Tap(Key::Space);
        lastTapAt_ = now;
      }
      return;
    }
    if (frames_ >= playFrames_) {
      ReleaseAll();
      tapHeld_.reset();
      if (game % 3 == 0) {
        g_->Player.PlayerHp = 0;  // death, as from a last hit
      } else {
        Press(Key::Escape);
      }
      phase_ = Phase::Ending;
      return;
    }
    if (frames_ % 20 == 0 && frames_ != lastTurn_) {
      lastTurn_ = frames_;
      ReleaseAll();
      const Key ways[] = {Key::Left, Key::Right, Key::Up, Key::Down};
      Press(ways[random_() % 4]);
    }
  }

  const int games_;
  const char* const stackBase_;
  korvela::Game* g_ = nullptr;
  std::mt19937 random_{14};
  Phase phase_ = Phase::Title;
  std::vector<GameSample> samples_;
  size_t deepest_ = 0;
  uint32_t gameStartedAt_ = 0, lastTapAt_ = 0, lastFrameAt_ = 0;
  int frames_ = 0, playFrames_ = 0, lastTurn_ = -1;
  std::optional<Key> tapHeld_;
  bool stuck_ = false;
};

void CopyGameData(const fs::path& build, const fs::path& to) {
  fs::copy(build / "DATA", to / "DATA", fs::copy_options::recursive);
  fs::remove(to / "DATA" / "SaveData.DAT");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: korvela_soak GAMES BUILD_DIR\n";
    return 2;
  }
  const int games = std::stoi(argv[1]);
  const fs::path build = argv[2];
  const char stackBase = 0;

  korvela::testing::TempDir dir;
  CopyGameData(build, dir.Path());
  SoakBot bot(games, &stackBase);
  korvela::Game g(bot);
  bot.SetGame(&g);
  g.DataDir = dir.Path() / "DATA";
  g.SoundDir = build / "Sound";
  g.AssetDir = build / "assets";
  std::string error;
  auto font = platform::Font::Open(18, true, &error);
  g.CrtFont = font.get();

  // A save to continue: the new game's numbers.
  korvela::PlayerRecord saved;
  korvela::SetNewGameRecord(saved);
  if (!korvela::WriteSaveFile(korvela::SaveFilePath(g), saved, &error)) {
    std::cerr << "korvela_soak: " << error << "\n";
    return 1;
  }

  const int status = korvela::RunProgram(g);
  const auto& s = bot.Samples();
  if (status != 0 || bot.Stuck() || static_cast<int>(s.size()) <= games) {
    std::cerr << "korvela_soak: stopped after " << (s.empty() ? 0 : s.size() - 1) << " of " << games
              << " games (status " << status << (bot.Stuck() ? ", stuck" : "") << ")\n";
    return 1;
  }
  // s[0] is the first title, before any game; s[i] the title after game i.
  std::vector<int> shown = {1, 10, 100, 1000};
  if (std::find(shown.begin(), shown.end(), games) == shown.end()) shown.push_back(games);
  for (int i : shown) {
    if (i > games) continue;
    std::printf("after game %4d: resident %6zu KiB, stack at the title %5zu bytes, deepest %6zu\n",
                i, s[i].residentKiB, s[i].titleStack, s[i].deepestStack);
  }
  bool flat = true;
  size_t deepest = 0;
  for (int i = 1; i <= games; ++i) {
    deepest = std::max(deepest, s[i].deepestStack);
    if (s[i].titleStack != s[1].titleStack) {
      std::cerr << "korvela_soak: the title runs " << s[i].titleStack << " bytes deep after game "
                << i << ", " << s[1].titleStack << " after game 1\n";
      flat = false;
      break;
    }
  }
  // After the first tenth (caches filled, every map seen), memory stays where it is.
  const int settled = std::max(1, games / 10);
  const size_t growth = s[games].residentKiB > s[settled].residentKiB
                            ? s[games].residentKiB - s[settled].residentKiB
                            : 0;
  constexpr size_t kAllowedGrowthKiB = 1024;
  if (kAddressSanitizer) {
    std::printf("resident memory not checked: AddressSanitizer holds freed memory back\n");
  } else if (growth > kAllowedGrowthKiB) {
    std::cerr << "korvela_soak: resident memory grew by " << growth << " KiB from game " << settled
              << " to game " << games << "\n";
    flat = false;
  }
  std::printf("deepest stack of any game: %zu bytes; growth after game %d: %zu KiB\n", deepest,
              settled, growth);
  return flat ? 0 : 1;
}
