#include "shell/window.h"

#include "game/music.h"
#include "shell/sheets.h"

namespace korvela {

void Form_Load(Game& g) {
  // The surfaces carry the 4-pixel border of the original window; the play area is their
  // top-left 480 x 384.
  g.Crt = Surface(g.ScreenWidth + 4, g.ScreenHeight + 4);
  g.B_Crt = Surface(g.Crt.Width(), g.Crt.Height());
  g.platform.SetCaption("ＫＯＲＶＥＬＡ");
  LoadSheets(g);
}

void Form_Unload(Game& g) {
  BgmClose(g);
  throw platform::QuitRequested{};
}

void Crt_KeyUp(Game& g, int16_t keyCode) {
  if (keyCode == 83 || keyCode == 68) g.SelectLatch = 0;
  if (keyCode == 88 || keyCode == 67) g.FireLatch = 0;
}

void ShellEvents::KeyUp(int virtualKeyCode) { Crt_KeyUp(g_, static_cast<int16_t>(virtualKeyCode)); }
void ShellEvents::MusicTimer() { Bgm_Check_Timer(g_); }
void ShellEvents::Close() { Form_Unload(g_); }

}  // namespace korvela
