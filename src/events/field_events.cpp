// The map events arrive with the field-event work; until then the frame loop calls these.
#include "events/field_events.h"

namespace korvela {

void FieldEvents(Game&) {}    // acts on the event codes under the heroine (map changes, inn, save)
void SearchCommand(Game&) {}  // Space shows the search text of the cell ahead

}  // namespace korvela
