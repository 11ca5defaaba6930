#include "shell/program.h"

#include "game/fatal.h"
#include "shell/frame_loop.h"
#include "shell/title_screen.h"
#include "shell/window.h"

namespace korvela {

int RunProgram(Game& g) {
  ShellEvents events(g);
  g.platform.SetEventHandler(&events);
  int status = 0;
  try {
    g.ScreenWidth = 480;
    g.ScreenHeight = 384;
    Form_Load(g);
    // The title screen and the frame loop take turns here rather than calling each other, so
    // any number of games in a row runs in constant stack.
    for (;;) {
      TitleScreen(g);
      GameLoop(g);
    }
  } catch (const platform::QuitRequested&) {
    status = 0;
  } catch (const FatalGameError&) {
    status = 1;
  }
  g.platform.SetEventHandler(nullptr);
  return status;
}

}  // namespace korvela
