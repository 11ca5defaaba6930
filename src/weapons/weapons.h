#pragma once
// The heroine's attacks: shots, the pillar of fire and bombs.
#include "game/game.h"

namespace korvela {

void FireShot(Game& g);
void ThrowBomb(Game& g);
void CastFire(Game& g);
void ShotHits(Game& g);
void BombHits(Game& g);
void FireHits(Game& g);
void DrawShots(Game& g);
void DrawBombs(Game& g);
// One bomb by its phase: the bomb itself in phase 1, then the frames of its burst.
void DrawBomb(Game& g, const BombRecord& b);
void DrawFires(Game& g);
void ClearShots(Game& g);

}  // namespace korvela
