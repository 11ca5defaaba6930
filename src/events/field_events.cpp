#include "events/field_events.h"

#include "events/inn_and_save.h"
#include "events/map_changes.h"
#include "events/stage_triggers.h"

namespace korvela {

// Every test runs on every pass, in this order, and reads the layer afresh: a change made by an
// earlier test (another map, another view, a cleared cell) is what the later ones see.
void FieldEvents(Game& g) {
  StoryFlagUpgrades(g);
  InnBed(g);
  SavePoint(g);
  MapChangesFor(g, {42, 43, 44, 45, 40, 41});
  SecretPassage(g);
  MapChangesFor(g, {60, 61});
  MapChangesFor(g, {38, 39, 36, 37, 34, 35, 32, 33, 51, 52});
  EnemyTriggers(g);
  BossTriggers(g);
  DragonEgg(g);
  FlameStrikePickUp(g);
  EndingTrigger(g);
}

}  // namespace korvela
