// The room band pictures and the view effects: wall tiles, doors, floor,
// slime, acid, splashes, flashes, crosshairs and overlays.
#pragma once

#include <string>
#include <vector>

#include "registry.h"

namespace contentgen::roomart {

// Wall tile 1..25 (width from the tile catalogue, 208 high, opaque).
Bytes make_tile(int number);
// Width in pixels of wall tile 1..25.
int tile_width(int number);

Bytes make_door(bool open);   // 156 x 208 doorway
Bytes make_panel(bool open);  // 52 x 208 control panel beside it
Bytes make_door_assembly();   // 208 x 208 doorway and panel together
Bytes make_floor();           // 52 x 67 deck plating

Bytes make_slime_film(int level);   // translucent wet film, 84 x 208
Bytes make_slime_solid(int level);  // solid growth, 84 x 208

Bytes make_acid_blast(int frame);  // 1..4
Bytes make_flash();
Bytes make_blood();
Bytes make_flashlight();
Bytes make_alert();
Bytes make_bracket();
Bytes make_crosshair(bool firing);
Bytes make_invalid();
Bytes make_reaver();
Bytes make_dot();

struct ArtEntry {
  std::string name;  // archive name without the data\gfx\ folder
  Generator make;
};
// Every picture this module makes, in a fixed order.
std::vector<ArtEntry> room_art_entries();

}  // namespace contentgen::roomart
