#pragma once
// The eight bosses, each drawn facing left in one frame of its animation. The cell sizes and
// where the body lies in the cell follow the bosses' contact boxes and the points they shoot from.

#include "canvas.h"

namespace sheets {

Canvas Golem(int frame);   // kind 0, 192 x 192, frames 0..3; fires from its raised fist
Canvas Lich(int frame);    // kind 1, 96 x 96, frames 0..4; 3 casts, 4 after the cast
Canvas Demon(int frame);   // kind 2, 224 x 192, frames 0..3; 3 strikes (walls, shots)
Canvas Dragon(int frame);  // kind 3, 320 x 192, frames 0..3; 3 breathes (and when beaten)
Canvas Roc(int frame);     // kind 4, 320 x 384, frames 0..4 of a wing beat
Canvas Wyvern(int frame);  // kind 5, 320 x 384, frames 0..4 of a wing beat
Canvas Knight(int frame);  // kind 6, 96 x 96, frames 0..4 of a run
Canvas Master(int frame);  // kind 7, 128 x 96, frames 0..4 of a run

}  // namespace sheets
