#include "map/map_loader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "game/fatal.h"
#include "map/shift_jis.h"
#include "support/data_folder.h"
#include "support/odd_files.h"
#include "support/test_game.h"

namespace korvela {
namespace {

using testing::TempDir;
using testing::TestGame;
using testing::WriteBytes;

std::string Padded(std::string_view name, char pad = ' ') {
  std::string field(name);
  field.resize(kNameBytes, pad);
  return field;
}

// A 192-byte map file with the given size field and raw name fields.
void WriteMapFile(const std::filesystem::path& dir, std::string_view name, int size,
                  const std::array<std::string, 3>& names) {
  std::string record;
  record.push_back(static_cast<char>(size & 0xFF));
  record.push_back(static_cast<char>((size >> 8) & 0xFF));
  for (const std::string& n : names) record += n;
  for (int k = 0; k < 4; ++k) record += Padded("unused");
  record.resize(kMapFileBytes, '\x07');
  WriteBytes(dir / MapFileName(name), std::vector<uint8_t>(record.begin(), record.end()));
}

std::vector<uint8_t> Pattern(size_t bytes, int salt) {
  std::vector<uint8_t> out(bytes);
  for (size_t i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>((i * 7 + i / 131 + salt) & 0xFF);
  return out;
}

// The text file: record i holds texts[i] in Shift-JIS, padded with spaces.
std::vector<uint8_t> TextFile(const std::map<size_t, std::u32string>& texts) {
  std::string all(kTextRecordBytes * kTextRecords, ' ');
  for (const auto& [index, text] : texts) {
    const std::string sjis = EncodeShiftJis(text).bytes;
    all.replace(index * kTextRecordBytes, sjis.size(), sjis);
  }
  return {all.begin(), all.end()};
}

class MapLoaderTest : public ::testing::Test {
 protected:
  MapLoaderTest() { t.g.DataDir = dir.Path(); }

  // Loads a map that must fail, and gives the message the player was shown.
  std::string FailingLoad(std::string_view name) {
    EXPECT_THROW(LoadMap(t.g, name), FatalGameError);
    const auto errors = t.Effects("error");
    return errors.empty() ? "" : errors.back();
  }

  TempDir dir;
  TestGame t;
};

TEST_F(MapLoaderTest, Size127GivesLayersOf128By128ReadRowByRow) {
  WriteMapFile(dir.Path(), "07", 127,
               {Padded("L1.DAT"), Padded("L2.DAT"), Padded(std::string(kNotSetName))});
  const auto layer1 = Pattern(128 * 128, 0);
  const auto layer2 = Pattern(128 * 128, 99);
  WriteBytes(dir.Path() / "L1.DAT", layer1);
  WriteBytes(dir.Path() / "L2.DAT", layer2);

  LoadMap(t.g, "07");

  EXPECT_EQ(t.g.MapSize, 127);
  EXPECT_EQ(t.g.Header.Size, 127);
  EXPECT_EQ(t.g.MapName, "07");
  ASSERT_EQ(t.g.MapLayer1.Side(), 128);
  ASSERT_EQ(t.g.MapLayer2.Side(), 128);
  for (auto [x, y] : {std::pair{0, 0}, {5, 0}, {0, 5}, {127, 3}, {3, 127}, {127, 127}}) {
    const size_t at = static_cast<size_t>(y) * 128 + static_cast<size_t>(x);
    EXPECT_EQ(t.g.MapLayer1(x, y), layer1[at]) << x << "," << y;
    EXPECT_EQ(t.g.MapLayer2(x, y), layer2[at]) << x << "," << y;
  }
  // The header keeps the unused names and the block as read.
  EXPECT_EQ(t.g.Header.Names[3], Padded("unused"));
  EXPECT_EQ(t.g.Header.Block[0], 7);
}

TEST_F(MapLoaderTest, NamesPaddedOnEitherSideAreFoundAndStoredTrimmed) {
  const auto layer = Pattern(16 * 16, 3);
  WriteMapFile(dir.Path(), "01", 15,
               {"   L1.DAT" + std::string(11, ' '), Padded("L2.DAT", '\0'),
                "  " + Padded(std::string(kNotSetName)).substr(0, 18)});
  WriteBytes(dir.Path() / "L1.DAT", layer);
  WriteBytes(dir.Path() / "L2.DAT", layer);

  LoadMap(t.g, "01");

  EXPECT_EQ(t.g.MapLayer1(15, 15), layer[255]);
  EXPECT_EQ(t.g.Header.Names[0], Padded("L1.DAT"));
  EXPECT_EQ(t.g.Header.Names[1], Padded("L2.DAT"));
  EXPECT_EQ(t.g.Header.Names[2], Padded(std::string(kNotSetName)));
}

TEST_F(MapLoaderTest, NamesNotSetLeaveLayersZeroAndKeepTheOldTexts) {
  // First a map with layers and texts, then one that names no files at all.
  WriteMapFile(dir.Path(), "01", 15, {Padded("L1.DAT"), Padded("L2.DAT"), Padded("T.DAT")});
  WriteBytes(dir.Path() / "L1.DAT", Pattern(256, 1));
  WriteBytes(dir.Path() / "L2.DAT", Pattern(256, 2));
  WriteBytes(dir.Path() / "T.DAT", TextFile({{101, U"むかしのはなしPe"}}));
  LoadMap(t.g, "01");
  ASSERT_NE(t.g.MapLayer1(1, 0), 0);

  const std::string notSet = Padded(std::string(kNotSetName));
  WriteMapFile(dir.Path(), "03", 31, {notSet, notSet, notSet});
  LoadMap(t.g, "03");

  EXPECT_EQ(t.g.MapSize, 31);
  ASSERT_EQ(t.g.MapLayer1.Side(), 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      ASSERT_EQ(t.g.MapLayer1(x, y), 0);
      ASSERT_EQ(t.g.MapLayer2(x, y), 0);
    }
  }
  EXPECT_EQ(t.g.SearchTexts[101].substr(0, 9), U"むかしのはなしPe");
}

TEST_F(MapLoaderTest, TextsComeBackFromShiftJisWithTheirPadding) {
  const std::u32string greeting = U"「ようこそ！」\\ＺｚＺ～♪ｶﾀｶﾅPe";
  const std::u32string branch = U"F07aまだだPebできたPe";
  const std::string notSet = Padded(std::string(kNotSetName));
  WriteMapFile(dir.Path(), "01", 1, {notSet, notSet, Padded("TEXTS.DAT")});
  WriteBytes(dir.Path() / "TEXTS.DAT", TextFile({{101, greeting}, {255, branch}}));

  LoadMap(t.g, "01");

  const size_t greetingBytes = EncodeShiftJis(greeting).bytes.size();
  EXPECT_EQ(t.g.SearchTexts[101], greeting + std::u32string(200 - greetingBytes, U' '));
  EXPECT_EQ(t.g.SearchTexts[101][7], U'\\');  // byte 0x5C stays the new-line code
  EXPECT_EQ(t.g.SearchTexts[255].substr(0, branch.size()), branch);
  EXPECT_EQ(t.g.SearchTexts[0], std::u32string(200, U' '));
}

TEST_F(MapLoaderTest, EachMissingFileStopsTheGameNamingIt) {
  EXPECT_NE(FailingLoad("09").find("MAP(09).PRO"), std::string::npos);

  const std::string notSet = Padded(std::string(kNotSetName));
  struct Case {
    std::array<std::string, 3> names;
    std::string missing;
  };
  for (const Case& c : {Case{{Padded("GONE1.DAT"), notSet, notSet}, "GONE1.DAT"},
                        Case{{notSet, Padded("GONE2.DAT"), notSet}, "GONE2.DAT"},
                        Case{{notSet, notSet, Padded("GONE3.DAT")}, "GONE3.DAT"}}) {
    WriteMapFile(dir.Path(), "01", 15, c.names);
    const std::string message = FailingLoad("01");
    EXPECT_NE(message.find((dir.Path() / c.missing).string()), std::string::npos) << message;
    EXPECT_NE(message.find("見つかりません"), std::string::npos) << message;
  }
}

TEST_F(MapLoaderTest, EachShortFileStopsTheGameNamingItAndBothLengths) {
  WriteBytes(dir.Path() / MapFileName("05"), std::vector<uint8_t>(100, ' '));
  std::string message = FailingLoad("05");
  EXPECT_NE(message.find("MAP(05).PRO"), std::string::npos) << message;
  EXPECT_NE(message.find("100"), std::string::npos) << message;
  EXPECT_NE(message.find("192"), std::string::npos) << message;

  const std::string notSet = Padded(std::string(kNotSetName));
  WriteMapFile(dir.Path(), "01", 127, {Padded("L1.DAT"), notSet, Padded("T.DAT")});
  WriteBytes(dir.Path() / "L1.DAT", Pattern(16383, 0));
  message = FailingLoad("01");
  EXPECT_NE(message.find("L1.DAT"), std::string::npos) << message;
  EXPECT_NE(message.find("16383"), std::string::npos) << message;
  EXPECT_NE(message.find("16384"), std::string::npos) << message;

  WriteBytes(dir.Path() / "L1.DAT", Pattern(16384, 0));
  WriteBytes(dir.Path() / "T.DAT", std::vector<uint8_t>(51199, ' '));
  message = FailingLoad("01");
  EXPECT_NE(message.find("T.DAT"), std::string::npos) << message;
  EXPECT_NE(message.find("51199"), std::string::npos) << message;
  EXPECT_NE(message.find("51200"), std::string::npos) << message;
}

TEST_F(MapLoaderTest, ASizeFieldNoViewCanWrapOverIsRefused) {
  const std::string notSet = Padded(std::string(kNotSetName));
  for (int size : {-1, 256, 32767}) {
    WriteMapFile(dir.Path(), "01", size, {notSet, notSet, notSet});
    const std::string message = FailingLoad("01");
    EXPECT_NE(message.find("MAP(01).PRO"), std::string::npos) << message;
    EXPECT_NE(message.find(std::to_string(size)), std::string::npos) << message;
  }
}

TEST_F(MapLoaderTest, AnythingButARegularFileStopsTheGameSayingWhatItIs) {
  const std::string notSet = Padded(std::string(kNotSetName));
  for (const auto& c : testing::OddFiles()) {
    SCOPED_TRACE(c.name);
    TempDir fresh;
    t.g.DataDir = fresh.Path();
    // The map file itself.
    std::string name = "01";
    if (c.kind == testing::OddFile::NameTooLong) {
      name = std::string(300, '1');
    } else {
      testing::MakeOddFile(fresh.Path() / MapFileName(name), c.kind);
    }
    std::string message = FailingLoad(name);
    EXPECT_NE(message.find("MAP(" + name.substr(0, 10)), std::string::npos) << message;
    EXPECT_NE(message.find(c.because), std::string::npos) << message;
    if (c.kind == testing::OddFile::NameTooLong) continue;  // a 20-byte field holds no such name
    // A layer file the map names.
    WriteMapFile(fresh.Path(), "02", 15, {Padded("L1.DAT"), notSet, notSet});
    testing::MakeOddFile(fresh.Path() / "L1.DAT", c.kind);
    message = FailingLoad("02");
    EXPECT_NE(message.find("L1.DAT"), std::string::npos) << message;
    EXPECT_NE(message.find(c.because), std::string::npos) << message;
  }
}

TEST_F(MapLoaderTest, NamesThatLeaveTheDataFolderAreRefused) {
  const std::string notSet = Padded(std::string(kNotSetName));
  WriteBytes(dir.Path() / "L1.DAT", Pattern(256, 0));
  for (const char* name : {"/etc/passwd", "../L1.DAT", "a/../L1.DAT", "..", "a\\b"}) {
    SCOPED_TRACE(name);
    WriteMapFile(dir.Path(), "01", 15, {notSet, notSet, Padded(name)});
    const std::string message = FailingLoad("01");
    EXPECT_NE(message.find("データフォルダの外"), std::string::npos) << message;
    EXPECT_NE(message.find(name), std::string::npos) << message;
  }
}

TEST_F(MapLoaderTest, AHugeLayerFileIsReadOnlyAsFarAsTheMapNeeds) {
  const std::string notSet = Padded(std::string(kNotSetName));
  WriteMapFile(dir.Path(), "01", 255, {Padded("BIG.DAT"), notSet, notSet});
  // 3 GB, sparse: it costs no disk, but reading it whole would cost seconds and gigabytes.
  const auto big = dir.Path() / "BIG.DAT";
  WriteBytes(big, Pattern(100, 3));
  std::filesystem::resize_file(big, 3ull << 30);
  const auto started = std::chrono::steady_clock::now();
  LoadMap(t.g, "01");
  const auto took = std::chrono::steady_clock::now() - started;
  EXPECT_LT(took, std::chrono::seconds(1));
  EXPECT_EQ(t.g.MapLayer1(99, 0), Pattern(100, 3)[99]);
  EXPECT_EQ(t.g.MapLayer1(255, 255), 0);
}

}  // namespace
}  // namespace korvela
