#pragma once
// What the story scenes share: their pictures from the Opening sheet, the text size of their
// dialogues, and a script of pages (a picture, a pause, the dialogues shown over it).
#include <initializer_list>
#include <span>
#include <string_view>

#include "game/game.h"

namespace korvela {

// The two text sizes of the play screen: dialogues of the scenes, and everything else.
constexpr int kSceneTextPoints = 14;
constexpr int kPlayTextPoints = 18;

// Switches Crt's font to the face of that size (when it was opened; otherwise the font stays).
void SetTextSize(Game& g, int points);

// A picture of the Opening sheet, 224 x 192: row 0 holds the opening's pictures 1-4, row 1 the
// ending's pictures 1-5.
struct ScenePicture {
  int column, row;
};

// Draws the picture at (128, 32) as picture AND NOT screen, which on the cleared screen shows it
// as it is, and repaints so that it stands during the pause that follows.
void ShowScenePicture(Game& g, ScenePicture picture);

// One page of a scene: clear the screen, show the picture (if any), pause, then the dialogues.
struct ScenePage {
  bool hasPicture;
  ScenePicture picture;
  uint32_t pauseMs;
  std::initializer_list<std::u32string_view> dialogues;
};

void PlayPages(Game& g, std::span<const ScenePage> pages);

}  // namespace korvela
