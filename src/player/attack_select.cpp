// The row of attack icons at the top left, and the S and D keys that step the attack of X and C
// through the kinds the heroine has. Both keys share one latch, re-armed when S or D is released.
#include "player/attack_select.h"

#include "game/keyboard.h"
#include "game/music.h"

namespace korvela {

namespace {

using platform::Key;

constexpr int kKinds = 4;
constexpr int kIconX[kKinds] = {10, 52, 94, 136};
constexpr int kIconY = 2;

// Kind 0 is always there; the others come with their story flags.
bool Available(const Game& g, int kind) {
  switch (kind) {
    case 0:
      return true;
    case 1:
      return g.Player.StoryFlags[7] == 1;
    case 2:
      return g.Player.StoryFlags[10] == 1;
    case 3:
      return g.Player.StoryFlags[11] == 1;
    default:
      return false;
  }
}

// Kind 0 alone needs no icon: the row appears once there is a choice.
bool AnyChoice(const Game& g) { return Available(g, 1) || Available(g, 2) || Available(g, 3); }

// Draws the 32 x 32 piece at column `sheetX` of the icon row of sonota over the icon of `kind`.
void DrawPiece(Game& g, int kind, int sheetX) {
  g.Crt.DrawMasked(kIconX[kind], kIconY, 32, 32, g.sonota, sheetX, 160, sheetX, 192);
}

// One selection key: the attack variable it steps, the key, and its marker in sonota.
struct Selector {
  uint8_t PlayerRecord::*weapon;
  Key key;
  int markerSheetX;
};

constexpr Selector kSelectX{&PlayerRecord::WeaponX, Key::S, 128};
constexpr Selector kSelectC{&PlayerRecord::WeaponC, Key::D, 160};

void DrawMarker(Game& g, const Selector& s, int kind) {
  if (kind < 0 || kind >= kKinds) return;  // a kind the game does not have gets no marker
  if (kind == 0 && !AnyChoice(g)) return;
  DrawPiece(g, kind, s.markerSheetX);
}

// The next kind after `kind` that the heroine has, in the order 0, 1, 2, 3, 0, ...
// A kind the game does not have (a damaged save) steps to the first available one.
int NextAvailable(const Game& g, int kind) {
  const int from = (kind >= 0 && kind < kKinds) ? kind : kKinds - 1;
  for (int i = 1; i <= kKinds; ++i) {
    const int next = (from + i) % kKinds;
    if (Available(g, next)) return next;
  }
  return 0;
}

uint8_t SelectCodeFor(int kind) {
  switch (kind) {
    case 1:
      return 2;
    case 2:
      return 5;
    default:
      return 1;
  }
}

void SelectWeapon(Game& g, const Selector& s) {
  uint8_t& weapon = g.Player.*s.weapon;
  DrawMarker(g, s, weapon);
  // The key is asked even while latched, so a press made then does not linger.
  const bool pressed = KeyPressed(g, s.key);
  if (g.SelectLatch == -1 || !pressed) return;
  const int next = NextAvailable(g, weapon);
  if (next == weapon) return;
  weapon = static_cast<uint8_t>(next);
  g.Player.SelectCode = SelectCodeFor(next);
  g.SelectLatch = -1;
  PlaySe(g, "ChakiD@22.wav");
  DrawMarker(g, s, next);
}

}  // namespace

void DrawWeaponIcons(Game& g) {
  if (AnyChoice(g)) DrawPiece(g, 0, 0);
  for (int kind = 1; kind < kKinds; ++kind) {
    if (Available(g, kind)) DrawPiece(g, kind, 32 * kind);
  }
}

void SelectWeaponX(Game& g) { SelectWeapon(g, kSelectX); }
void SelectWeaponC(Game& g) { SelectWeapon(g, kSelectC); }

}  // namespace korvela
