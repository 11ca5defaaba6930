// The attacks arrive with the weapons work; until then the frame loop calls these in their places.
#include "weapons/weapons.h"

namespace korvela {

void FireShot(Game&) {}    // starts a shot when its attack key is pressed
void ThrowBomb(Game&) {}   // throws a bomb when its attack key is pressed
void CastFire(Game&) {}    // raises a pillar of fire when its attack key is pressed
void ShotHits(Game&) {}    // moves the shots and resolves their hits
void BombHits(Game&) {}    // moves the bombs, bursts them and resolves their hits
void FireHits(Game&) {}    // burns the pillars of fire down and resolves their hits
void DrawShots(Game&) {}   // draws the flying shots
void DrawBombs(Game&) {}   // draws the bombs and their bursts
void DrawFires(Game&) {}   // draws the pillars of fire
void ClearShots(Game&) {}  // empties the three attack tables

}  // namespace korvela
