// The search command arrives with the search work; until then the frame loop calls this.
#include "events/field_events.h"

namespace korvela {

void SearchCommand(Game&) {}  // Space shows the search text of the cell ahead

}  // namespace korvela
