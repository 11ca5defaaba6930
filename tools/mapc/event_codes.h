#pragma once
// What each byte of the event layer means to the game, as far as the map compiler needs to know:
// to reject codes that would do nothing and to colour the events tileset.

#include <string_view>

namespace mapc {

enum class EventKind {
  None,          // 0: an empty cell
  MapChange,     // loads another map or stage (32-45, 51, 52, 58, 60, 61)
  Inn,           // 48
  SavePoint,     // 49
  PickUp,        // 63 (the fire attack), 184 (the dragon's egg)
  EnemyTrigger,  // 160-163
  BossTrigger,   // 176-183, 192
  Ending,        // 185
  Text,          // 101-255 otherwise: the search text of that number
  Meaningless,   // every other value: the game does nothing with it
};

EventKind KindOfEvent(int code);
std::string_view EventKindName(EventKind kind);

}  // namespace mapc
