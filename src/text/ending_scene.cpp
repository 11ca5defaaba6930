// The ending: the egg ミオ brought back, the years after it, and the dragon that hatched; then
// the staff roll.
#include "game/music.h"
#include "text/message.h"
#include "text/scene_stage.h"
#include "text/scenes.h"

namespace korvela {

namespace {

constexpr uint32_t kPictureMs = 1000;

constexpr ScenePage kEndingPages[] = {
    {true,
     {0, 1},
     kPictureMs,
     {U"ミオ：大変な物を手に入れちゃった、ど～しよ＞＜\\Pルカ：なにそれ？\\Pミオ：古代竜の卵＾＾；"
      U"\\Pルカ：うまそうじゃん！\\Pミオ：！！！\\Pe",
      U"ルカ：まってろ、料理してやる。\\Pミオ：そうだね、壊しちゃえばいいんだよねｗｗ\\Pe"}},
    {true,
     {1, 1},
     kPictureMs,
     {U"ルカ：なんじゃこりゃ！\\ルカ：割れねーぞ、ごるぁぁぁぁ！！！\\Pミオ：！！！！\\Pルカ：ハァ"
      U"ハァ。。だめだ、何しても割れない。Pe"}},
    {true,
     {2, 1},
     kPictureMs,
     {U"ミオ：どうしよ＾＾；\\Pルカ：いい考えがある。まかせとけ！ｗｗ\\Pミオ：うん。。。（大丈夫か"
      U"な＾＾；）Pe"}},
    // Two new lines put the caption on the third line of the window.
    {false, {}, 2000, {U"\\\\        　　　　　それから数年後。。。。Pe"}},
    {true,
     {3, 1},
     kPictureMs,
     {U"ＴＣ：グロムヘルの奥地に伝説の古代竜が発見された\\Pミオ：みゅっ！！！\\PＴＣ：討伐隊を編成"
      U"したが壊滅した模様！！\\Pミオ：みゅっ！！！！！！！！！！！！！！Pe"}},
    {true,
     {4, 1},
     kPictureMs,
     {U"ミオ：あ、あの、昔わたした卵どうしたの？＾＾\\Pルカ：ん？あ～あれね、グロムヘルに捨ててきた"
      U"よ。\\Pミオ：大変だ～～～＞＜Pe",
      U"ミオ：さっきＴＣが叫んでたんだけど\\ミオ：古代竜がグロムヘルで暴れてるらしいよ！！\\Pルカ："
      U"げっ！！本当に古代竜の卵だったのね＾＾；\\Pe"}},
};

constexpr std::u32string_view kLastWords = U"\\\\ミオ：はうっ！！何とかしないと！！Pe";

// Covers the screen row by row with the plain tile at (0, 32) of MapChr2, one tile every 20 ms.
void TileWipe(Game& g) {
  for (int row = 0; row <= 11; ++row) {
    for (int column = 0; column <= 14; ++column) {
      g.Crt.BitBlt(kTileSize * column, kTileSize * row, kTileSize, kTileSize, g.MapChr2, 0,
                   kTileSize, platform::RasterOp::SrcCopy);
      g.platform.Present(g.Crt);
      g.platform.Sleep(20);
    }
  }
}

}  // namespace

void EndingScene(Game& g) {
  g.SceneTimer = 0;
  g.CrtForeColor = platform::kWhite;
  TileWipe(g);
  g.Crt.Clear();
  BgmOpen(g, "Tolvane1.mid");
  BgmPlay(g);
  g.platform.Sleep(500);
  SetTextSize(g, kSceneTextPoints);
  PlayPages(g, kEndingPages);
  SetTextSize(g, kPlayTextPoints);
  ShowMessage(g, kLastWords);
  g.Crt.Clear();
  StaffRoll(g);
}

}  // namespace korvela
