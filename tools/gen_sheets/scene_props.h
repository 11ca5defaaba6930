#pragma once
// Props and backdrops of the scene pictures: rooms, beds, the forest, the gate, the egg, and the
// little marks that show a character's mood.

#include "canvas.h"

namespace sheets {

void Room(Canvas& c, Color wall, Color floor);
void Window(Canvas& c, double x, double y, bool morning);
void Bed(Canvas& c, double x, double y, double w);  // headboard at the left, top at y
void Blanket(Canvas& c, double x, double y, double w, double h);
void Forest(Canvas& c, uint32_t seed);
void TownStreet(Canvas& c);
void Mountains(Canvas& c, Color sky, Color far, Color near);
void SwirlGate(Canvas& c, double cx, double cy, double r);
void Egg(Canvas& c, double cx, double cy, double r);
void Hammer(Canvas& c, Pt grip, double angleDegrees);
void DragonSilhouette(Canvas& c, double x, double y, double s, Color col);

void Exclaim(Canvas& c, double x, double y, int count);  // "!" marks
void AngerMark(Canvas& c, double x, double y);
void SweatDrop(Canvas& c, double x, double y);
void Grumble(Canvas& c, double x, double y);           // a dark scribble
void Impact(Canvas& c, double x, double y, double r);  // a burst of lines
void Sparkles(Canvas& c, double x, double y, double r, uint32_t seed);

// A frame round the whole picture.
void PictureFrame(Canvas& c);

}  // namespace sheets
