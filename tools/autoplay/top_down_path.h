#pragma once
// Finding the way on a top-down map: a breadth-first search over the cells the heroine can
// walk, wrapping round the map's edges as the view does.

#include <cstdint>
#include <functional>
#include <optional>

#include "game/game.h"
#include "platform/keys.h"

namespace autoplay {

struct Cell {
  int x = 0, y = 0;
  bool operator==(const Cell&) const = default;
};

// The heroine's cell on a top-down map.
Cell HeroCellTopDown(const korvela::Game& g);

// True for the event codes that do something when stepped on (map changes, the inn bed, the
// secret passage, the gate): the path keeps off them unless they are its goal.
bool ActiveFieldCode(uint8_t code);

// The first arrow to press towards the nearest cell that `goal` accepts, or nullopt when no
// such cell can be reached. `length`, when given, receives the number of steps.
std::optional<platform::Key> FirstStepTowards(const korvela::Game& g,
                                              const std::function<bool(Cell, uint8_t)>& goal,
                                              int* length = nullptr);

}  // namespace autoplay
