#include "text/scene_stage.h"

#include "text/message.h"

namespace korvela {

namespace {

constexpr int kPictureWidth = 224;
constexpr int kPictureHeight = 192;
constexpr int kPictureLeft = 128;
constexpr int kPictureTop = 32;

}  // namespace

void SetTextSize(Game& g, int points) {
  const platform::Font* face = points == kSceneTextPoints ? g.CrtFont14 : g.CrtFont18;
  if (face) g.CrtFont = face;
}

void ShowScenePicture(Game& g, ScenePicture picture) {
  g.Crt.BitBlt(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight, g.Opening,
               kPictureWidth * picture.column, kPictureHeight * picture.row,
               platform::RasterOp::SrcErase);
  g.platform.Present(g.Crt);
}

void PlayPages(Game& g, std::span<const ScenePage> pages) {
  for (const ScenePage& page : pages) {
    g.Crt.Clear();
    if (page.hasPicture) ShowScenePicture(g, page.picture);
    g.platform.Sleep(page.pauseMs);
    for (std::u32string_view text : page.dialogues) ShowMessage(g, text);
  }
}

}  // namespace korvela
