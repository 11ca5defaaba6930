// The story scenes arrive with the scene work; until then a new game starts straight away.
#include "text/scenes.h"

namespace korvela {

void OpeningScene(Game&) {}  // the opening story of a new game
void EndingScene(Game&) {}   // the ending story and the staff roll

}  // namespace korvela
