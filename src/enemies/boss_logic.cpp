// The bosses' patterns arrive with the boss work; until then the frame loop calls this.
#include "enemies/enemies.h"

namespace korvela {

void BossLogic(Game&) {}  // runs each active boss's pattern

}  // namespace korvela
