#pragma once
// Errors that stop the program: a missing data file, a broken picture sheet.

#include <stdexcept>
#include <string>

#include "game/game.h"

namespace korvela {

// Unwinds to main, which exits with status 1.
struct FatalGameError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Shows the message to the player (message box and stderr), then throws FatalGameError.
[[noreturn]] void FatalError(Game& g, const std::string& message);

}  // namespace korvela
