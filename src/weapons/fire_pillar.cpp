// The pillar of fire: it stands where it was cast and burns everything in it for eleven frames.
#include "weapons/hits.h"
#include "weapons/weapons.h"

namespace korvela {

void FireHits(Game& g) {
  for (int i = 0; i < kFireSlots; ++i) {
    FireRecord& f = g.Fires[i];
    if (f.Phase < 1) continue;
    f.Phase = static_cast<uint8_t>(f.Phase + 1);
    if (f.Phase >= 12) f.Phase = 0;  // its last frame still burns
    const Box flame{static_cast<float>(f.X - 16), static_cast<float>(f.Y + 16),
                    static_cast<float>(f.X + 16), static_cast<float>(f.Y + 128)};
    HarmOverlapping(g, flame, Strike::Fire, f.Power, true, Attack::Fire);
  }
}

}  // namespace korvela
