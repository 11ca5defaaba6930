// The picture sheets in assets/: they load with their sizes, a missing or broken one stops the
// program with a message that names it, and every sprite cell the drawing routines use has a
// mask and an image that draw it transparently.

#include "shell/sheets.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "game/fatal.h"
#include "platform/image_io.h"
#include "support/odd_files.h"
#include "support/test_game.h"

namespace korvela {
namespace {

namespace fs = std::filesystem;
using platform::Color;
using platform::kBlack;
using platform::kWhite;
using testing::TestGame;

fs::path SourceAssets() { return fs::path(KORVELA_SOURCE_DIR) / "assets"; }

// The sheets are large (Boss2 alone is five million pixels): load them once for the suite.
const Game& Loaded() {
  static TestGame* t = [] {
    auto* game = new TestGame();
    testing::SetUpPlayScreen(game->g);
    game->g.AssetDir = SourceAssets();
    LoadSheets(game->g);
    return game;
  }();
  return t->g;
}

// A folder holding links to every committed sheet, which a test may then break.
class AssetCopy {
 public:
  AssetCopy() : dir_(fs::temp_directory_path() / ("korvela_sheets_" + std::to_string(getpid()))) {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    for (const SheetFile& sheet : SheetFiles()) {
      fs::create_symlink(SourceAssets() / sheet.file, dir_ / sheet.file);
    }
  }
  ~AssetCopy() { fs::remove_all(dir_); }
  const fs::path& Dir() const { return dir_; }

 private:
  fs::path dir_;
};

// Loads from dir and returns the fatal message (empty if loading succeeded).
std::string LoadFailure(const fs::path& dir, TestGame& t) {
  testing::SetUpPlayScreen(t.g);
  t.g.AssetDir = dir;
  try {
    LoadSheets(t.g);
  } catch (const FatalGameError& e) {
    return e.what();
  }
  return "";
}

TEST(Sheets, EverySheetLoadsWithItsSize) {
  const Game& g = Loaded();
  for (const SheetFile& sheet : SheetFiles()) {
    SCOPED_TRACE(std::string(sheet.file));
    const Surface& surface = g.*sheet.surface;
    if (sheet.copyIntoPlace) {
      // The title keeps B_Crt at the play surface's size and fills it from its top-left part.
      ASSERT_EQ(surface.Width(), 484);
      ASSERT_EQ(surface.Height(), 388);
      Surface title;
      std::string error;
      ASSERT_TRUE(platform::LoadPng(SourceAssets() / sheet.file, &title, &error)) << error;
      EXPECT_EQ(title.Width(), sheet.width);
      EXPECT_EQ(title.Height(), sheet.height);
      for (int y = 0; y < surface.Height(); y += 7) {
        for (int x = 0; x < surface.Width(); x += 7) ASSERT_EQ(surface.At(x, y), title.At(x, y));
      }
    } else {
      EXPECT_EQ(surface.Width(), sheet.width);
      EXPECT_EQ(surface.Height(), sheet.height);
    }
  }
}

TEST(Sheets, AMissingSheetStopsTheProgramNamingIt) {
  AssetCopy assets;
  fs::remove(assets.Dir() / "Boss2.png");
  TestGame t;
  const std::string message = LoadFailure(assets.Dir(), t);
  EXPECT_NE(message.find("Boss2.png"), std::string::npos) << message;
  EXPECT_NE(message.find("3209 x 1545"), std::string::npos) << message;
  // The player sees the same message.
  EXPECT_EQ(t.Effects("error"), std::vector<std::string>{message});
}

TEST(Sheets, AWronglySizedOrBrokenSheetStopsTheProgramNamingIt) {
  AssetCopy assets;
  fs::remove(assets.Dir() / "Enemy.png");
  std::string error;
  ASSERT_TRUE(platform::SavePng(Surface(10, 20, kWhite), assets.Dir() / "Enemy.png", &error));
  TestGame t;
  std::string message = LoadFailure(assets.Dir(), t);
  EXPECT_NE(message.find("Enemy.png"), std::string::npos) << message;
  EXPECT_NE(message.find("10 x 20"), std::string::npos) << message;
  EXPECT_NE(message.find("965 x 515"), std::string::npos) << message;
}

// The header of a PNG of the given size, and nothing of its pixels.
std::string PngHeaderOnly(uint32_t width, uint32_t height) {
  std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
  for (uint32_t v : {width, height}) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(v >> shift);
  }
  return bytes + std::string("\x08\x02\0\0\0", 5) + "crc!";
}

// Each is refused before anything is decoded: a huge one would take gigabytes or crash the
// decoder, a FIFO would hang it.
TEST(Sheets, ASheetThatIsNoPictureOfItsSizeIsRefusedBeforeDecoding) {
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> make;
    const char* said;
  };
  const Case cases[] = {
      {"30000 x 30000", [](const fs::path& p) { std::ofstream(p) << PngHeaderOnly(30000, 30000); },
       "is 30000 x 30000 pixels, expected 965 x 515"},
      {"right size, no pixels",
       [](const fs::path& p) { std::ofstream(p) << PngHeaderOnly(965, 515); }, "cannot be read"},
      {"text", [](const fs::path& p) { std::ofstream(p) << "not a picture"; }, "not a PNG file"},
      {"folder", [](const fs::path& p) { testing::MakeOddFile(p, testing::OddFile::Folder); },
       "folder"},
      {"FIFO", [](const fs::path& p) { testing::MakeOddFile(p, testing::OddFile::Fifo); }, "FIFO"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AssetCopy assets;
    fs::remove(assets.Dir() / "Enemy.png");
    c.make(assets.Dir() / "Enemy.png");
    TestGame t;
    const std::string message = LoadFailure(assets.Dir(), t);
    EXPECT_NE(message.find("Enemy.png"), std::string::npos) << message;
    EXPECT_NE(message.find(c.said), std::string::npos) << message;
  }
}

// Every masked cell the drawing routines name, family by family: frames of one figure, the
// facings of one creature, the pieces of one kind.
struct Cell {
  int imageX, imageY, maskX, maskY;
};
struct Family {
  std::string name;
  Surface Game::*sheet;
  int width, height, count;
  std::function<Cell(int)> cell;
  bool framesDiffer;  // every cell shows something different
};

std::vector<Family> Families() {
  auto row = [](int x0, int imageY, int maskY, int step) {
    return [=](int i) { return Cell{x0 + i * step, imageY, x0 + i * step, maskY}; };
  };
  std::vector<Family> f = {
      {"heroine top-down", &Game::Chr, 64, 64, 20, row(0, 0, 64, 64), true},
      {"heroine side view", &Game::Chr2, 64, 64, 20, row(0, 0, 64, 64), true},
      {"boss bullet", &Game::sonota, 32, 32, 1, row(0, 0, 32, 32), true},
      {"shots", &Game::sonota, 32, 32, 4, row(32, 0, 32, 32), true},
      {"bomb", &Game::sonota, 32, 32, 1, row(160, 0, 32, 32), true},
      {"gauge frame", &Game::sonota, 256, 32, 1, row(0, 64, 96, 256), true},
      {"attack icons and markers", &Game::sonota, 32, 32, 6, row(0, 160, 192, 32), true},
      {"bursts", &Game::sonota, 64, 64, 3, row(0, 224, 288, 64), true},
      {"fire", &Game::sonota, 64, 128, 3, row(288, 0, 128, 64), true},
      {"boss 0", &Game::Boss, 192, 192, 4, row(0, 0, 192, 192), true},
      {"boss 1", &Game::Boss, 96, 96, 10, row(0, 384, 480, 96), true},
      {"boss 2", &Game::Boss, 224, 192, 8, row(0, 576, 768, 224), true},
      {"boss 3", &Game::Boss, 320, 192, 4, row(0, 960, 1152, 320), true},
      {"boss 4", &Game::Boss2, 320, 384, 10, row(0, 0, 384, 320), true},
      {"boss 5", &Game::Boss2, 320, 384, 10, row(0, 768, 1152, 320), true},
      {"boss 6", &Game::Boss, 96, 96, 10, row(768, 0, 96, 96), true},
      {"boss 7", &Game::Buri, 128, 96, 10, row(0, 0, 96, 128), true},
  };
  for (int kind = 0; kind < 4; ++kind) {
    const int w = kind == 3 ? 96 : 64;
    f.push_back({"enemy " + std::to_string(kind), &Game::Enemy, w, 64, 10,
                 row(0, 128 * kind, 128 * kind + 64, w), true});
  }
  return f;
}

TEST(Sheets, EverySpriteCellIsDrawnTransparentlyAroundItsFigure) {
  const Game& g = Loaded();
  for (const Family& family : Families()) {
    const Surface& sheet = g.*family.sheet;
    for (int i = 0; i < family.count; ++i) {
      SCOPED_TRACE(family.name + ", cell " + std::to_string(i));
      const Cell c = family.cell(i);
      // Buri is a pixel narrower than its last cell; the raster copy clips that cell, so the
      // test looks at what the copy takes. At most that one column may be missing.
      const int width = std::min(family.width, sheet.Width() - c.imageX);
      ASSERT_GE(width, family.width - 1);
      ASSERT_LE(std::max(c.imageY, c.maskY) + family.height, sheet.Height());
      // A patterned background, so that any leak of the image or the mask shows.
      Surface screen(family.width, family.height);
      for (int y = 0; y < family.height; ++y) {
        for (int x = 0; x < family.width; ++x) screen.Set(x, y, (x + y) % 3 ? 0x3060A0 : 0xC08020);
      }
      const Surface background = screen;
      screen.DrawMasked(0, 0, family.width, family.height, sheet, c.imageX, c.imageY, c.maskX,
                        c.maskY);
      int opaque = 0, badMask = 0, imageLeaks = 0, wrongPixels = 0;
      for (int y = 0; y < family.height; ++y) {
        for (int x = 0; x < width; ++x) {
          const Color mask = sheet.At(c.maskX + x, c.maskY + y);
          const Color image = sheet.At(c.imageX + x, c.imageY + y);
          if (mask != kBlack && mask != kWhite) ++badMask;
          if (mask == kWhite && image != kWhite) ++imageLeaks;
          const Color expected = mask == kBlack ? image : background.At(x, y);
          if (screen.At(x, y) != expected) ++wrongPixels;
          if (mask == kBlack) ++opaque;
        }
      }
      EXPECT_EQ(badMask, 0) << "mask pixels neither black nor white";
      EXPECT_EQ(imageLeaks, 0) << "image pixels not white where the mask is white";
      EXPECT_EQ(wrongPixels, 0) << "masked drawing does not show image over background";
      // A figure is there, and it does not fill the whole cell like a box.
      const int area = family.width * family.height;
      EXPECT_GT(opaque, area / 50);
      EXPECT_LT(opaque, area * 95 / 100);
    }
  }
}

TEST(Sheets, FramesAndFacingsOfOneFigureCanBeToldApart) {
  const Game& g = Loaded();
  for (const Family& family : Families()) {
    if (!family.framesDiffer) continue;
    const Surface& sheet = g.*family.sheet;
    auto same = [&](const Cell& a, const Cell& b) {
      const int width = std::min(family.width, sheet.Width() - std::max(a.imageX, b.imageX));
      for (int y = 0; y < family.height; ++y) {
        for (int x = 0; x < width; ++x) {
          if (sheet.At(a.imageX + x, a.imageY + y) != sheet.At(b.imageX + x, b.imageY + y)) {
            return false;
          }
        }
      }
      return true;
    };
    for (int i = 0; i < family.count; ++i) {
      for (int j = i + 1; j < family.count; ++j) {
        EXPECT_FALSE(same(family.cell(i), family.cell(j)))
            << family.name << ": cells " << i << " and " << j << " look the same";
      }
    }
  }
}

}  // namespace
}  // namespace korvela
