#include "registry.h"
#include "room_art.h"

namespace contentgen {

namespace roomart {

std::vector<ArtEntry> room_art_entries() {
  std::vector<ArtEntry> e;
  for (int t = 1; t <= 25; ++t) e.push_back({"tile_" + std::to_string(t) + ".png", [t] { return make_tile(t); }});
  e.push_back({"tile_door1.png", [] { return make_door(false); }});
  e.push_back({"tile_door2.png", [] { return make_panel(false); }});
  e.push_back({"tile_door3.png", [] { return make_door(true); }});
  e.push_back({"tile_door4.png", [] { return make_panel(true); }});
  e.push_back({"tile_door.png", make_door_assembly});
  e.push_back({"floor.png", make_floor});
  for (int s = 1; s <= 3; ++s) {
    e.push_back({"slime_" + std::to_string(s) + ".png", [s] { return make_slime_film(s); }});
    e.push_back({"slime_" + std::to_string(s) + "x.png", [s] { return make_slime_solid(s); }});
  }
  for (int f = 1; f <= 4; ++f)
    e.push_back({"acid_blast_" + std::to_string(f) + ".png", [f] { return make_acid_blast(f); }});
  e.push_back({"flash.png", make_flash});
  e.push_back({"blood.png", make_blood});
  e.push_back({"flashlight.png", make_flashlight});
  e.push_back({"alert.png", make_alert});
  e.push_back({"bracket.png", make_bracket});
  e.push_back({"targ_1.png", [] { return make_crosshair(false); }});
  e.push_back({"targ_2.png", [] { return make_crosshair(true); }});
  e.push_back({"invalid.png", make_invalid});
  e.push_back({"reaver.png", make_reaver});
  e.push_back({"dot.png", make_dot});
  return e;
}

}  // namespace roomart

void register_tiles_art(Registry& reg) {
  for (auto& entry : roomart::room_art_entries()) reg.add("data\\gfx\\" + entry.name, entry.make);
}

}  // namespace contentgen
