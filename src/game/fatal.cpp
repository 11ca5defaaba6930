#include "game/fatal.h"

namespace korvela {

void FatalError(Game& g, const std::string& message) {
  g.platform.ShowError(message);
  throw FatalGameError(message);
}

}  // namespace korvela
