#include "map/shift_jis.h"

#include <gtest/gtest.h>

#include "map/map_loader.h"

namespace korvela {
namespace {

TEST(ShiftJisTest, TheGamesTextsSurviveTheRoundTrip) {
  const std::u32string text = U"ＺｚＺｚｚＺｚｚ～♪Pe 「未設定」\\ｶﾅ①";
  const ShiftJisResult sjis = EncodeShiftJis(text);
  ASSERT_TRUE(sjis.ok());
  EXPECT_EQ(DecodeShiftJis(sjis.bytes), text);
  EXPECT_EQ(EncodeShiftJis(U"未設定").bytes, kNotSetName);
  // The mark-up's new-line code is the single byte 0x5C, not a yen sign.
  EXPECT_EQ(EncodeShiftJis(U"\\").bytes, "\x5c");
}

TEST(ShiftJisTest, ACharacterWithNoShiftJisFormIsReportedByIndex) {
  const ShiftJisResult sjis = EncodeShiftJis(U"ab☃c");
  EXPECT_FALSE(sjis.ok());
  EXPECT_EQ(sjis.badIndex, 2u);
  EXPECT_EQ(sjis.bytes, "ab");
}

TEST(ShiftJisTest, BytesThatAreNotShiftJisDecodeAsReplacementsAndGoOn) {
  EXPECT_EQ(DecodeShiftJis("A\x81"), U"A\uFFFD");  // a lead byte cut off at the end
  EXPECT_EQ(DecodeShiftJis("\x81\x20"
                           "B"),
            U"\uFFFD B");  // a lead byte with no trail byte
  EXPECT_EQ(DecodeShiftJis(""), U"");
}

}  // namespace
}  // namespace korvela
