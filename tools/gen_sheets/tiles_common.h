#pragma once
// Shared pieces of the three tile sheets: 16 x 16 tiles of 32 pixels, tile t at column t mod 16,
// row t div 16. Tiles below 128 are ground the heroine walks on and are drawn flat and light;
// tiles from 128 block her and are drawn raised, darker and with hard edges.

#include <functional>
#include <vector>

#include "canvas.h"
#include "figures.h"

namespace sheets {

constexpr int kTile = 32;

struct TileArt {
  int number;
  std::function<void(Canvas&)> draw;
};

// Draws the listed tiles; every other number gets a plain tile of its kind with its number.
Surface BuildTileSheet(const std::vector<TileArt>& tiles);

// Ground textures. Each fills the whole tile.
void Speckled(Canvas& c, Color base, double spread, uint32_t seed);
void Grass(Canvas& c, Color base, uint32_t seed);
void Planks(Canvas& c, Color wood, bool vertical, uint32_t seed);
void Water(Canvas& c, Color deep, uint32_t seed);
void Cobbles(Canvas& c, Color stone, Color gaps, uint32_t seed);
void Bricks(Canvas& c, Color brick, Color mortar, int rowHeight, int brickWidth, uint32_t seed);

// A raised box: light top and left edges, dark bottom and right edges.
void Bevel(Canvas& c, int x, int y, int w, int h, Color face, int depth = 2);
// A round canopy of leaves with its shadow side, centred on (cx, cy).
void Canopy(Canvas& c, double cx, double cy, double r, Color leaves, uint32_t seed);
// A dark line of cracks wandering from (x, y).
void Crack(Canvas& c, int x, int y, int length, Color ink, uint32_t seed);
void Flower(Canvas& c, int x, int y, Color petals);
// Rows of rounded roof tiles over the colour of the gaps between them.
void Roof(Canvas& c, Color tile, Color gaps);
// A tree on grass: trunk and canopy.
void Tree(Canvas& c, Color grass, Color leaves, uint32_t seed);
// A figure standing on the tile: the town's people.
void TilePerson(Canvas& c, const Look& look, double scale);
// One half of a person two tiles tall, as tall as the heroine: the head and shoulders
// (upper) or the body down to the feet with its shadow (lower), over what `c` already holds.
void TallPerson(Canvas& c, const Look& look, bool upper);

}  // namespace sheets
