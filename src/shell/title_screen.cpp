#include "shell/title_screen.h"

#include <iostream>
#include <optional>
#include <string_view>

#include "game/keyboard.h"
#include "game/music.h"
#include "game/save_file.h"
#include "map/map_loader.h"
#include "platform/font.h"
#include "text/scenes.h"

namespace korvela {

using platform::Key;

namespace {

constexpr std::string_view kNoSaveNotice = "セーブデータがありません";
constexpr uint32_t kNoticeMs = 2000;

// A short notice in a dark band near the bottom of the title picture, readable whatever the
// picture holds there.
void DrawNotice(Game& g, std::string_view text) {
  if (!g.CrtFont) return;
  const int width = g.CrtFont->TextWidth(text);
  const int x = (g.ScreenWidth - width) / 2;
  const int y = g.ScreenHeight - 90;  // above the key hints along the bottom
  g.Crt.FillRect(x - 16, y - 8, width + 32, 40, platform::kBlack);
  g.Crt.DrawBox(x - 16, y - 8, x + width + 15, y + 31, platform::kWhite);
  g.Crt.Print(x, y, text, *g.CrtFont, platform::kWhite);
}

void ShowTitlePicture(Game& g, bool withNotice) {
  // The copy is larger than both surfaces; BitBlt clips it.
  g.Crt.BitBlt(0, 0, 600, 500, g.B_Crt, 0, 0, platform::RasterOp::SrcCopy);
  if (withNotice) DrawNotice(g, kNoSaveNotice);
  g.platform.Present(g.Crt);
}

// White text for the play screen, the game mode and the view of a game's first frame.
void PlaceView(Game& g, uint8_t mode, int16_t originX, int16_t originY) {
  g.CrtForeColor = platform::kWhite;
  g.GameMode = mode;
  g.MapOriginX = originX;
  g.MapOriginY = originY;
  g.ScrollX = 0;
  g.ScrollY = 0;
}

}  // namespace

void TitleScreen(Game& g) {
  // A key tapped before the title appeared must not start anything; a key still held does.
  KeyPressed(g, Key::Space);
  KeyPressed(g, Key::C);
  BgmOpen(g, "Stones2.mid");
  BgmPlay(g);
  std::optional<uint32_t> noticeShownAt;
  for (;;) {
    const bool notice = noticeShownAt && g.platform.Clock() - *noticeShownAt < kNoticeMs;
    ShowTitlePicture(g, notice);
    if (KeyPressed(g, Key::Space)) {
      NewGame(g);
      return;
    }
    // While the notice shows, C (perhaps still held) just keeps it there.
    if (KeyPressed(g, Key::C) && !notice) {
      if (ContinueGame(g)) return;
      noticeShownAt = g.platform.Clock();
      ShowTitlePicture(g, true);
    }
    g.platform.Sleep(100);
    g.platform.Yield();
  }
}

void SetNewGameRecord(PlayerRecord& p) {
  p.PlayerLevel = 1;
  p.PlayerMaxMp = 50;
  p.PlayerStr = p.PlayerDex = p.PlayerInt = 50;
  p.NextExp = 100;
  p.PlayerExp = 0;
  p.PlayerMp = 50;
  p.PlayerHp = 50;
  p.SelectCode = 1;
  p.WeaponX = 0;
  p.WeaponC = 0;
  for (int i = 0; i <= 19; ++i) p.StoryFlags[i] = 0;  // index 20 is left as it was
}

void NewGame(Game& g) {
  LoadMap(g, "01");
  SetNewGameRecord(g.Player);
  PlaceView(g, 0, 90, 85);
  OpeningScene(g);
}

bool ContinueGame(Game& g) {
  // The file is read before anything changes, so a missing one leaves the title as it was.
  const std::filesystem::path path = SaveFilePath(g);
  PlayerRecord saved;
  std::string why;
  if (!ReadSaveFile(path, &saved, &why)) {
    std::cerr << "korvela: no saved game to continue in " << path.string() << ": " << why << "\n";
    return false;
  }
  LoadMap(g, "03");
  g.Player = saved;
  PlaceView(g, 2, 2, 19);
  BgmOpen(g, "Tavern03.mid");
  BgmPlay(g);
  g.platform.Sleep(500);
  return true;
}

}  // namespace korvela
