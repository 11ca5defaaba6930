#include "creature_parts.h"

#include <cmath>

namespace sheets {

void GlowEye(Canvas& c, double x, double y, double r, Color glow) {
  c.Circle(x, y, r * 1.8, Mix(glow, 0xFFFFFF, 0.1));
  c.Circle(x, y, r, Lighten(glow, 0.5));
  c.Rect(std::floor(x - r * 0.4), std::floor(y - r * 0.5), 1, 1, 0xFFFFFF);
}

void Spikes(Canvas& c, Pt from, Pt to, int count, double length, Pt direction, Color color) {
  const double norm = std::hypot(direction.x, direction.y);
  const Pt d{direction.x / norm * length, direction.y / norm * length};
  const double step = 1.0 / count;
  for (int i = 0; i < count; ++i) {
    const Pt a{from.x + (to.x - from.x) * i * step, from.y + (to.y - from.y) * i * step};
    const Pt b{from.x + (to.x - from.x) * (i + 1) * step,
               from.y + (to.y - from.y) * (i + 1) * step};
    const Pt tip{(a.x + b.x) / 2 + d.x, (a.y + b.y) / 2 + d.y};
    c.Polygon({a, tip, b}, color, Rim(color));
  }
}

void MembraneWing(Canvas& c, Pt shoulder, const std::vector<Pt>& tips, Color skin, Color bone) {
  std::vector<Pt> outline{shoulder};
  for (size_t i = 0; i < tips.size(); ++i) {
    outline.push_back(tips[i]);
    if (i + 1 < tips.size()) {
      // The membrane sags between two fingers.
      const Pt& a = tips[i];
      const Pt& b = tips[i + 1];
      const Pt mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
      outline.push_back({mid.x + (shoulder.x - mid.x) * 0.25, mid.y + (shoulder.y - mid.y) * 0.25});
    }
  }
  c.Polygon(outline, skin, Rim(skin));
  for (const Pt& tip : tips) c.Capsule(shoulder, tip, 1.6, bone);
  c.Circle(shoulder.x, shoulder.y, 4, bone);
}

void Glow(Canvas& c, double x, double y, double r, Color centre, Color halo) {
  for (int i = 4; i >= 1; --i) c.Circle(x, y, r * i / 4, Mix(centre, halo, (i - 1) / 3.0));
}

void PutFrames(Surface& sheet, int frames, bool bothFacings, int originX, int cellWidth, int imageY,
               int maskY, const std::function<Canvas(int)>& draw) {
  for (int frame = 0; frame < frames; ++frame) {
    Canvas left = draw(frame);
    left.Outline(kCreatureInk);
    const int x = originX + frame * cellWidth;
    left.PutSprite(sheet, x, imageY, x, maskY);
    if (bothFacings) {
      const int mx = originX + (frame + frames) * cellWidth;
      left.Mirrored().PutSprite(sheet, mx, imageY, mx, maskY);
    }
  }
}

}  // namespace sheets
