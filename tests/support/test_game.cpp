#include "support/test_game.h"

#include "shell/title_screen.h"

namespace korvela::testing {

TestGame::TestGame(platform::HeadlessOptions options) : platform(std::move(options)), g(platform) {
  g.ScreenWidth = 480;
  g.ScreenHeight = 384;
}

std::vector<std::string> TestGame::Effects(const std::string& what) const {
  std::vector<std::string> out;
  for (const auto& e : platform.Effects()) {
    if (e.what == what) out.push_back(e.detail);
  }
  return out;
}

void SetUpPlayScreen(Game& g) {
  g.ScreenWidth = 480;
  g.ScreenHeight = 384;
  g.Crt = Surface(484, 388);
  g.B_Crt = Surface(484, 388);
}

void SetNewGameStats(Game& g) { SetNewGameRecord(g.Player); }

}  // namespace korvela::testing
