#pragma once
// The picture of the events tileset: 16 x 16 tiles of 32 pixels, tile n showing event code n as a
// coloured label with its number, on the key colour that Tiled shows as transparent.

#include "platform/surface.h"

namespace mapc {

constexpr platform::Color kEventsKeyColor = 0xFF00FF;  // "transparentcolor" of events.tsj

platform::Surface DrawEventsTileset();

}  // namespace mapc
