#include "shell/title_screen.h"

#include "map/map_loader.h"
#include "text/scenes.h"

namespace korvela {

void TitleScreen(Game& g) { NewGame(g); }  // being built: starts a new game at once

void NewGame(Game& g) {
  LoadMap(g, "01");
  PlayerRecord& p = g.Player;
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
  for (int i = 0; i <= 19; ++i) p.StoryFlags[i] = 0;
  g.CrtForeColor = platform::kWhite;
  g.GameMode = 0;
  g.MapOriginX = 90;
  g.MapOriginY = 85;
  g.ScrollX = 0;
  g.ScrollY = 0;
  OpeningScene(g);
}

void ContinueGame(Game&) {}  // being built

}  // namespace korvela
