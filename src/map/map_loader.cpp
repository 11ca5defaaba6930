#include "map/map_loader.h"

namespace korvela {

void LoadMap(Game& g, std::string_view name) { g.MapName = std::string(name); }  // being built

}  // namespace korvela
