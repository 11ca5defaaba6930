#pragma once
// The keys the game reads, with their classic virtual-key codes (the codes the key-release
// handler of the game compares against).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

enum class Key : uint8_t { Up, Down, Left, Right, Space, Z, V, X, C, S, D, Escape };
constexpr int kKeyCount = 12;

constexpr std::array<int, kKeyCount> kVirtualKeyCodes = {38, 40, 37, 39, 32, 90,
                                                         86, 88, 67, 83, 68, 27};
constexpr std::array<std::string_view, kKeyCount> kKeyNames = {
    "Up", "Down", "Left", "Right", "Space", "Z", "V", "X", "C", "S", "D", "Escape"};

constexpr int VirtualKeyCode(Key key) { return kVirtualKeyCodes[static_cast<int>(key)]; }
constexpr std::string_view KeyName(Key key) { return kKeyNames[static_cast<int>(key)]; }

inline std::optional<Key> KeyFromName(std::string_view name) {
  for (int i = 0; i < kKeyCount; ++i) {
    if (kKeyNames[i] == name) return static_cast<Key>(i);
  }
  return std::nullopt;
}

// The answer of an asynchronous key query: held now, and pressed since the previous query of
// that key. A key counts as pressed when either is true.
struct KeyState {
  bool held = false;
  bool pressedSinceLastQuery = false;
  bool Any() const { return held || pressedSinceLastQuery; }
};

}  // namespace platform
