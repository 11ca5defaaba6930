// Drawing the shots, bombs, bursts and fires from their cells in the sonota sheet, each as a
// mask and an image.
#include "weapons/hits.h"
#include "weapons/weapons.h"

namespace korvela {

namespace {

// A picture that changes with the phase: the cell's left edge for phases from..to.
struct PhaseCell {
  uint8_t from, to;
  int left;
};

constexpr PhaseCell kBurstCells[] = {{2, 4, 0}, {5, 7, 64}, {8, 20, 128}};
constexpr PhaseCell kFireCells[] = {{2, 5, 288}, {6, 8, 352}, {9, 20, 416}};

// The cell of a phase; -1 when that phase shows nothing.
template <size_t N>
int CellFor(const PhaseCell (&cells)[N], uint8_t phase) {
  for (const PhaseCell& c : cells) {
    if (c.from <= phase && phase <= c.to) return c.left;
  }
  return -1;
}

}  // namespace

void DrawShots(Game& g) {
  for (int i = 0; i < kShotSlots; ++i) {
    const ShotRecord& s = g.Shots[i];
    if (s.Active != -1) continue;
    // Sprites in row 0, masks in row 32: kind 0 right and left, then kind 1 right and left.
    const int left = 32 + s.Heading * 32 + s.Kind * 64;
    g.Crt.DrawMasked(s.X, s.Y, 32, 32, g.sonota, left, 0, left, 32);
  }
}

void DrawBomb(Game& g, const BombRecord& b) {
  if (b.Phase == 1) {
    g.Crt.DrawMasked(b.X - 2, b.Y - 5, 32, 32, g.sonota, 160, 0, 160, 32);
    return;
  }
  const int left = CellFor(kBurstCells, b.Phase);
  if (left >= 0) g.Crt.DrawMasked(b.X - 32, b.Y - 32, 64, 64, g.sonota, left, 224, left, 288);
}

void DrawBombs(Game& g) {
  for (int i = 0; i < kBombSlots; ++i) DrawBomb(g, g.Bombs[i]);
}

void DrawFires(Game& g) {
  for (int i = 0; i < kFireSlots; ++i) {
    const FireRecord& f = g.Fires[i];
    const int left = CellFor(kFireCells, f.Phase);
    if (left >= 0) g.Crt.DrawMasked(f.X - 32, f.Y, 64, 128, g.sonota, left, 0, left, 128);
  }
}

}  // namespace korvela
