#include "events/inn_and_save.h"

#include "events/event_cells.h"
#include "game/keyboard.h"
#include "game/music.h"
#include "game/save_file.h"
#include "text/message.h"

namespace korvela {

namespace {

constexpr uint8_t kInnBedCode = 48;
constexpr uint8_t kSavePointCode = 49;

}  // namespace

void InnBed(Game& g) {
  if (HeroCell(g) != kInnBedCode || g.Player.PlayerHp == g.Player.PlayerStr) return;
  g.Crt.Clear();
  g.platform.Present(g.Crt);
  ShowMessage(g, U"ＺｚＺｚｚＺｚｚ～♪Pe");
  PlaySe(g, "CockB@11.wav");
  g.Player.PlayerHp = g.Player.PlayerStr;
}

void SavePoint(Game& g) {
  const bool space = KeyPressed(g, platform::Key::Space);
  if (HeroCell(g) != kSavePointCode || !space) return;
  // A save that did not reach the disk must not be reported as done.
  if (SaveGame(g)) {
    ShowMessage(g, U"保存しました♪Pe");
  } else {
    ShowMessage(g, U"保存できませんでしたPe");
  }
}

}  // namespace korvela
