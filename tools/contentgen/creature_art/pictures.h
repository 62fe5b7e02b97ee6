// Generators of every creature picture, and the table that names them.
#pragma once

#include <string>
#include <vector>

#include "registry.h"

namespace contentgen::creatures {

Bytes warrior_walk(int frame);    // 1..3
Bytes warrior_head();
Bytes warrior_attack(int frame);  // 1..2
Bytes warrior_death(int frame);   // 1..5
Bytes warrior_corpse(int frame);  // 1..4

Bytes hugger_walk(int frame);     // 1..3
Bytes hugger_attack();
Bytes hugger_death(int frame);    // 1..4
Bytes hugger_corpse(int frame);   // 1..3

Bytes queen_walk(int frame);      // 1..3
Bytes queen_attack(int frame);    // 1..2
Bytes queen_death(int frame);     // 1..5

Bytes egg();
Bytes egg_hatch(int frame);       // 1..3

Bytes colonist();                 // wren.png
Bytes cocoon(bool burst);         // colonist_1.png / colonist_2.png
Bytes colonist_closeup();         // colonist_big.png

Bytes acid_puddle();              // acid_1.png
Bytes shot_flash();               // blast.png

struct Picture {
  std::string name;  // archive name
  Generator make;
};
// Every creature picture in archive order.
const std::vector<Picture>& pictures();
// The effects drawn with the creature brushes (the acid puddle, the shot's
// flash); registered after the room art, whose pictures of these names they
// replace.
const std::vector<Picture>& effect_pictures();

}  // namespace contentgen::creatures
