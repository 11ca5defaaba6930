#include "event_codes.h"

namespace mapc {

EventKind KindOfEvent(int code) {
  if (code == 0) return EventKind::None;
  if ((code >= 32 && code <= 45) || code == 51 || code == 52 || code == 58 || code == 60 ||
      code == 61) {
    return EventKind::MapChange;
  }
  if (code == 48) return EventKind::Inn;
  if (code == 49) return EventKind::SavePoint;
  if (code == 63 || code == 184) return EventKind::PickUp;
  if (code >= 160 && code <= 163) return EventKind::EnemyTrigger;
  if ((code >= 176 && code <= 183) || code == 192) return EventKind::BossTrigger;
  if (code == 185) return EventKind::Ending;
  if (code >= 101 && code <= 255) return EventKind::Text;
  return EventKind::Meaningless;
}

std::string_view EventKindName(EventKind kind) {
  switch (kind) {
    case EventKind::None:
      return "empty";
    case EventKind::MapChange:
      return "map change";
    case EventKind::Inn:
      return "inn bed";
    case EventKind::SavePoint:
      return "save point";
    case EventKind::PickUp:
      return "pick-up";
    case EventKind::EnemyTrigger:
      return "enemy trigger";
    case EventKind::BossTrigger:
      return "boss trigger";
    case EventKind::Ending:
      return "ending trigger";
    case EventKind::Text:
      return "search text";
    case EventKind::Meaningless:
      return "no meaning";
  }
  return "no meaning";
}

}  // namespace mapc
