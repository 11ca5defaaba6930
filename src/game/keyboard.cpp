#include "game/keyboard.h"

namespace korvela {

using platform::Key;

namespace {

// The classic 16-bit answer: top bit for held, lowest bit for pressed since the last query.
uint16_t AsyncKeyState(Game& g, Key key) {
  const platform::KeyState s = g.platform.QueryKey(key);
  return static_cast<uint16_t>((s.held ? 0x8000u : 0u) | (s.pressedSinceLastQuery ? 1u : 0u));
}

}  // namespace

bool KeyPressed(Game& g, Key key) { return AsyncKeyState(g, key) != 0; }

bool KeysPressedTogether(Game& g, Key a, Key b) {
  const uint16_t first = AsyncKeyState(g, a);
  return (first & AsyncKeyState(g, b)) != 0;
}

char ReadDirection(Game& g) {
  char code = '0';
  if (KeyPressed(g, Key::Up)) code = '1';
  if (KeyPressed(g, Key::Right)) code = '3';
  if (KeyPressed(g, Key::Down)) code = '5';
  if (KeyPressed(g, Key::Left)) code = '7';
  if (KeysPressedTogether(g, Key::Up, Key::Right)) code = '2';
  if (KeysPressedTogether(g, Key::Up, Key::Left)) code = '8';
  if (KeysPressedTogether(g, Key::Down, Key::Right)) code = '4';
  if (KeysPressedTogether(g, Key::Down, Key::Left)) code = '6';
  for (Key k : {Key::Up, Key::Right, Key::Down, Key::Left, Key::Z, Key::X}) g.platform.QueryKey(k);
  return code;
}

void FlushKeys(Game& g) {
  for (Key k : {Key::Up, Key::Down, Key::Left, Key::Right, Key::Escape, Key::S, Key::Z, Key::X,
                Key::S, Key::C, Key::D, Key::V}) {
    g.platform.QueryKey(k);
  }
}

}  // namespace korvela
