// The HP and MP gauges at the top of the play screen: a frame from the sonota sheet and two bars
// of up to 201 pixels.
#include "player/status.h"

namespace korvela {

namespace {

constexpr int kFullBar = 201;

void DrawBar(Game& g, int y, float value, float maximum) {
  if (!(maximum > 0)) return;  // no maximum, no bar (and no division by zero)
  const float share = value * static_cast<float>(kFullBar) / maximum;
  if (!(share >= 1)) return;  // less than a pixel (or not a number): nothing to draw
  // Never past the frame: a value over its maximum, or a tiny maximum from a hand-edited save
  // (which makes the share infinite), draws a full bar.
  const int width = share < kFullBar ? Int(share) : kFullBar;
  g.Crt.BitBlt(260, y, width, 9, g.sonota, 0, 128, platform::RasterOp::SrcCopy);
}

}  // namespace

void DrawGauges(Game& g) {
  const PlayerRecord& p = g.Player;
  g.Crt.DrawMasked(240, 2, 256, 32, g.sonota, 0, 64, 0, 96);
  DrawBar(g, 2, p.PlayerHp, p.PlayerStr);
  DrawBar(g, 15, p.PlayerMp, p.PlayerMaxMp);
}

}  // namespace korvela
