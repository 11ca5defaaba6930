#pragma once
// The builders of the picture sheets, one per file in assets/. Each returns the whole sheet at
// the size the game expects; parts no drawing routine reads stay white.

#include <string_view>

#include "canvas.h"

namespace sheets {

Surface BuildTitle();       // title.png: the title picture
Surface BuildFieldTiles();  // MapChr1.png: the field, top-down
Surface BuildStageTiles();  // MapChr2.png: the side-view stages
Surface BuildTownTiles();   // MapChr3.png: the town, top-down
Surface BuildChr();         // Chr.png: the heroine, top-down
Surface BuildChr2();        // Chr2.png: the heroine, side view
Surface BuildSonota();      // sonota.png: gauges, icons, attacks, boss bullets
Surface BuildEnemy();       // Enemy.png: the four enemy kinds
Surface BuildBoss();        // Boss.png: boss kinds 0, 1, 2, 3 and 6
Surface BuildBoss2();       // Boss2.png: boss kinds 4 and 5
Surface BuildBuri();        // Buri.png: boss kind 7
Surface BuildOpening();     // Opening.png: the scene pictures

// A blank sheet: white, which reads as transparent in both image and mask cells.
inline Surface BlankSheet(int width, int height) { return Surface(width, height, 0xFFFFFF); }

}  // namespace sheets
