#pragma once
// All state of the game in one place. Every routine of the game is a free function taking this
// struct; nothing is global, so a test builds a fresh Game over a HeadlessPlatform in one line.
// Variables keep the names and widths the game has always used: 16-bit integers stay int16_t,
// floats stay float, flags are int16_t holding -1 (true) or 0 (false).

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/surface.h"

namespace platform {
class Font;
}

namespace korvela {

using platform::Surface;

constexpr int kTileSize = 32;

// The heroine's record; the save file holds exactly these fields (see save_file.h).
struct PlayerRecord {
  int16_t Reserved = 0;
  int16_t PlayerLevel = 0;
  int16_t PlayerExp = 0;
  int16_t NextExp = 0;
  float PlayerHp = 0;
  float PlayerMp = 0;
  float PlayerMaxMp = 0;
  int16_t Jumping = 0;
  float PlayerStr = 0;
  float PlayerDex = 0;
  float PlayerInt = 0;
  int16_t PlayerX = 0;
  int16_t PlayerY = 0;
  int16_t AnimStep = 0;
  int16_t Facing = 0;
  uint8_t SelectCode = 0;
  uint8_t WeaponX = 0;
  uint8_t WeaponC = 0;
  std::array<uint8_t, 21> StoryFlags{};
};

// The 192-byte map file as read.
struct MapHeader {
  int16_t Size = 0;
  std::array<std::string, 7> Names;  // Shift-JIS bytes, 20 each: layer 1, layer 2, texts, 4 unused
  std::array<uint8_t, 50> Block{};
};

// A square byte grid indexed (x, y), 0..size each way.
class ByteGrid {
 public:
  void Reset(int side) {
    side_ = side;
    cells_.assign(static_cast<size_t>(side) * side, 0);
  }
  int Side() const { return side_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < side_ && y < side_; }
  uint8_t& operator()(int x, int y) { return cells_[static_cast<size_t>(y) * side_ + x]; }
  uint8_t operator()(int x, int y) const { return cells_[static_cast<size_t>(y) * side_ + x]; }
  uint8_t* Data() { return cells_.data(); }
  size_t Bytes() const { return cells_.size(); }

 private:
  int side_ = 0;
  std::vector<uint8_t> cells_;
};

struct ShotRecord {
  int16_t X = 0, Y = 0, DX = 0, DY = 0;
  int16_t Active = 0;
  int16_t Heading = 0;
  uint8_t Kind = 0, Power = 0;
};

struct FireRecord {
  int16_t X = 0, Y = 0;
  uint8_t Phase = 0, Power = 0;
};

struct BombRecord {
  int16_t X = 0, Y = 0, DX = 0, DY = 0;
  uint8_t Phase = 0, Power = 0;
};

struct EnemyRecord {
  int16_t Kind = 0;
  float X = 0, Y = 0, DX = 0, DY = 0;
  int16_t Dir = 0;
  float Anim = 0;
  int16_t Active = 0;
  int16_t Hp = 0;
  int16_t Timer = 0;
  int16_t FireTimer = 0;
};

struct EnemyShotRecord {
  int16_t X = 0, Y = 0, DX = 0, DY = 0;
  int16_t Speed = 0;
  int16_t Active = 0;
};

struct Game {
  explicit Game(platform::Platform& p) : platform(p) {}
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  platform::Platform& platform;

  // Where the game's files live: DATA/ (maps, save file), Sound/ and the picture sheets.
  std::filesystem::path DataDir;
  std::filesystem::path SoundDir;
  std::filesystem::path AssetDir;
  std::filesystem::path SaveDir;  // the folder of the save file; empty: DataDir

  // Screen.
  int16_t ScreenWidth = 0;
  int16_t ScreenHeight = 0;

  // The heroine; also the save file's content.
  PlayerRecord Player;

  uint8_t GameMode = 0;

  // Map and view.
  int16_t MapSize = 0;
  ByteGrid MapLayer1;
  ByteGrid MapLayer2;
  MapHeader Header;
  std::array<std::u32string, 256> SearchTexts;
  std::string MapName;  // the name LoadMap was last given, for the log
  int16_t MapOriginX = 0;
  int16_t MapOriginY = 0;
  int16_t ScrollX = 0;
  int16_t ScrollY = 0;

  // Frame loop.
  int16_t GameOver = 0;
  int16_t EndingFlag = 0;
  int16_t ShotReady = 0;
  int16_t ShotCoolCount = 0;
  int16_t BombReady = 0;
  int16_t BombCoolCount = 0;
  int16_t HurtGuard = 0;
  int16_t HurtCount = 0;
  int16_t JumpCount = 0;
  int16_t SelectLatch = 0;
  int16_t FireLatch = 0;
  int16_t SceneTimer = 0;
  int32_t FrameStart = 0;
  int32_t FrameEnd = 0;
  int32_t FrameElapsed = 0;
  int16_t BgmPlaying = 0;
  uint8_t BossStage = 0;
  int16_t ReturnX = 0;
  int16_t ReturnY = 0;

  // Entity tables.
  std::array<ShotRecord, 31> Shots{};
  std::array<FireRecord, 6> Fires{};
  std::array<BombRecord, 7> Bombs{};
  std::array<EnemyRecord, 11> Enemies{};
  std::array<EnemyRecord, 6> Bosses{};
  std::array<EnemyShotRecord, 11> EnemyShots{};

  // The window's picture surfaces: the play screen, the title picture and the sheets.
  Surface Crt, B_Crt;
  Surface MapChr1, MapChr2, MapChr3;
  Surface Chr, Chr2, sonota, Enemy, Boss, Boss2, Buri, Opening;
  // The play screen's text face (null prints nothing) and the two sizes it switches between:
  // 18 points for play, 14 for the scenes' dialogues.
  const platform::Font* CrtFont = nullptr;
  const platform::Font* CrtFont18 = nullptr;
  const platform::Font* CrtFont14 = nullptr;
  platform::Color CrtForeColor = platform::kWhite;

  // The one random generator, seeded at every frame-loop entry: from the clock, or, when a
  // seed is given, from the seed and the number of entries so far, so that the same seed and
  // the same keys give the same game.
  std::mt19937 Rng;
  std::optional<uint32_t> RandomSeed;
  uint32_t RandomizeCount = 0;

  // When set, the frame loop appends the name of every routine it runs (tests read it).
  std::vector<std::string>* StepTrace = nullptr;
};

// A fresh number uniform in [0, 1) from the game's generator.
float Rnd(Game& g);
// Seeds the generator from the clock, or from RandomSeed when there is one.
void Randomize(Game& g);

// Int() of the classic dialect: rounds down.
inline int Int(double v) { return static_cast<int>(std::floor(v)); }
// Float to integer conversion: nearest, halves to even.
int16_t CInt(double v);

}  // namespace korvela
