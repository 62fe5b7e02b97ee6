// The effect pictures: the acid puddle a dead creature leaves on the deck
// (painted in acid_puddle.cpp), and the flash of a shot striking.
#include <vector>

#include "creature_art/creature_brushes.h"
#include "paint_kit/flare.h"
#include "pictures.h"

namespace contentgen::creatures {

Bytes shot_flash() {
  // Drawn centred on the shot point with alpha blending, rotated at random,
  // growing from a fifth of its size to nearly twice it over the shot's
  // ten frames and then gone: the hit of a round on carapace or metal. Its
  // white-hot core is large enough to read as a strike at every one of
  // those sizes, and its tongues of fire, bloom and sparks are dense
  // enough to hold over a brightly lit wall as it grows.
  return paint::shot_flare_png();
}

const std::vector<Picture>& effect_pictures() {
  static const std::vector<Picture> list = {{"data\\gfx\\acid_1.png", [] { return acid_puddle(); }},
                                            {"data\\gfx\\blast.png", [] { return shot_flash(); }}};
  return list;
}

}  // namespace contentgen::creatures
