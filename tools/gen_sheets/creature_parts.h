#pragma once
// Pieces shared by the bosses: rims, glowing eyes, claws, membranes, and writing the frames of
// one boss kind into its sheet.

#include <functional>
#include <vector>

#include "canvas.h"

namespace sheets {

inline Color Rim(Color c) { return Darken(c, 0.5); }
constexpr Color kCreatureInk = Rgb(0x1A, 0x12, 0x1C);

// An eye that glows: a halo, the eye and a white spark.
void GlowEye(Canvas& c, double x, double y, double r, Color glow);
// A row of pointed claws or teeth from base (x, y), pointing in direction (dx, dy).
void Spikes(Canvas& c, Pt from, Pt to, int count, double length, Pt direction, Color color);
// A bat-like wing: the membrane between the shoulder and the finger tips, with its bones.
void MembraneWing(Canvas& c, Pt shoulder, const std::vector<Pt>& tips, Color skin, Color bone);
// A soft glow: concentric circles fading from the centre colour towards the halo.
void Glow(Canvas& c, double x, double y, double r, Color centre, Color halo);

// Writes frames 0..frames-1 of a kind that faces left into cells first..; with bothFacings, the
// right-facing frames follow in the next cells, mirrored. Cell n lies at x = originX + n * width.
void PutFrames(Surface& sheet, int frames, bool bothFacings, int originX, int cellWidth, int imageY,
               int maskY, const std::function<Canvas(int)>& draw);

}  // namespace sheets
