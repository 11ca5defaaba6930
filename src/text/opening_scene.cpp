// The opening: ルカ wakes ミオ on her birthday, ミオ grumbles her way to town and finds a gate
// of a colour she has never seen. Four pictures with their dialogues, then the field's music.
#include "game/music.h"
#include "text/scene_stage.h"
#include "text/scenes.h"

namespace korvela {

namespace {

constexpr uint32_t kPictureMs = 1000;

constexpr ScenePage kOpeningPages[] = {
    {true,
     {0, 0},
     kPictureMs,
     {U"ルカ：はよ目覚まさんか！ごるぁぁぁぁ！！\\Pルカ：ルカ様の誕生日に寝坊た～\\ルカ：い～度胸じ"
      U"ゃね～か！！\\Pe"}},
    {true,
     {1, 0},
     kPictureMs,
     {U"ミオ：みゅっ？\\Pミオ：ふあ～～夢か～～、おはよう！\\Pルカ：なに、ねぼけとんじゃい！\\Pミオ"
      U"：すごいリアルな夢だったんだよ！\\Pミオ：ミオが古代竜をやっつけるの。Pe",
      U"ルカ：古代竜なんて空想の生き物だろ！\\ルカ：どこがリアルな夢なんだＹＯ！！\\Pルカ：そんなこ"
      U"とより、早くルカの誕生日プレゼント\\ルカ：買ってきやがれ！Pe"}},
    {true,
     {2, 0},
     kPictureMs,
     {U"ミオ：ぶつぶつ。。。いつも威張ってさ！！\\Pミオ：ぶつ。。ぶつ。。。ぶつぶつ。。\\ミオ：罠箱"
      U"をプレゼントにしちゃおうかな。。\\Pミオ：くくくく。。ぶつ。ぶつ。。Pe"}},
    {true,
     {3, 0},
     kPictureMs,
     {U"ミオ：みゅっ！！\\Pミオ：見たことない色のゲート発見！！\\Pミオ：さっき見た夢にそっくりだな"
      U"～\\Pミオ：入ってみよう～♪\\Pe"}},
};

}  // namespace

void OpeningScene(Game& g) {
  g.Crt.Clear();
  BgmOpen(g, "Tolvane1.mid");
  BgmPlay(g);
  PlaySe(g, "CockB@11.wav");
  g.platform.Sleep(600);
  SetTextSize(g, kSceneTextPoints);
  PlayPages(g, kOpeningPages);
  g.Crt.Clear();
  BgmOpen(g, "Forest_A.mid");
  BgmPlay(g);
  g.platform.Sleep(2500);
  SetTextSize(g, kPlayTextPoints);
}

}  // namespace korvela
