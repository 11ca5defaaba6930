#include "platform/regular_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/input_script.h"
#include "platform/midi_length.h"
#include "support/odd_files.h"
#include "support/temp_files.h"

namespace platform {
namespace {

using korvela::testing::MakeOddFile;
using korvela::testing::OddFiles;
using korvela::testing::TempDir;
using korvela::testing::WriteFile;

// Every reader built on ReadRegularFile refuses what is not a regular file, saying what it is,
// and returns at once: a FIFO nobody writes to must not hang it.
TEST(RegularFile, AnythingElseIsRefusedSayingWhatItIs) {
  for (const auto& c : OddFiles()) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const auto path = MakeOddFile(dir.Path() / "thing.mid", c.kind);
    const FileBytes file = ReadRegularFile(path, 100);
    EXPECT_FALSE(file.Ok());
    EXPECT_NE(file.why.find(c.because), std::string::npos) << file.why;
    // The readers above it: music length, input scripts.
    EXPECT_FALSE(MidiFileLengthMs(path));
    std::string error;
    EXPECT_FALSE(LoadInputScript(path, &error));
    EXPECT_NE(error.find(c.because), std::string::npos) << error;
    EXPECT_NE(error.find("thing.mid"), std::string::npos) << error;
  }
  TempDir dir;
  EXPECT_EQ(ReadRegularFile(dir.Path() / "none", 100).problem, FileBytes::Problem::Missing);
  EXPECT_EQ(ReadRegularFile(dir.Path(), 100).problem, FileBytes::Problem::Folder);
}

TEST(RegularFile, ReadsOnlyTheBytesAskedFor) {
  TempDir dir;
  WriteFile(dir.Path() / "small", "0123456789");
  EXPECT_EQ(ReadRegularFile(dir.Path() / "small", 4).bytes, "0123");
  EXPECT_EQ(ReadRegularFile(dir.Path() / "small", 100).bytes, "0123456789");

  // A 3 GB file (sparse, so the test costs no disk) is not read whole.
  const auto huge = dir.Path() / "huge";
  WriteFile(huge, "");
  std::filesystem::resize_file(huge, 3ull << 30);
  rusage before{}, after{};
  getrusage(RUSAGE_SELF, &before);
  const FileBytes file = ReadRegularFile(huge, 64 << 10);
  getrusage(RUSAGE_SELF, &after);
  EXPECT_EQ(file.bytes.size(), 64u << 10);
  EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 << 10) << "kilobytes more at the peak";
}

TEST(RegularFile, AFolderWithoutReadPermissionIsUnreadableNotMissing) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not hold back root";
  TempDir dir;
  WriteFile(dir.Path() / "DATA" / "x", "x");
  std::filesystem::permissions(dir.Path() / "DATA", std::filesystem::perms::none);
  const FileBytes file = ReadRegularFile(dir.Path() / "DATA" / "x", 10);
  EXPECT_EQ(file.problem, FileBytes::Problem::Unreadable);
  EXPECT_NE(file.why.find("ermission"), std::string::npos) << file.why;
}

}  // namespace
}  // namespace platform
