// The light of the ceiling lamps laid over a finished wall picture.
#pragma once

#include "paint_kit/canvas.h"

namespace contentgen::roomart {

// Lights the panel between the ceiling trim and the baseboard as the lamps
// along the ceiling would: brighter high up, falling off down the wall into
// a contact shadow where the wall meets the deck. On metal the upper
// edges of plates, rivets and fittings catch the light and the recesses
// under them fall into shadow; the hive's resin is only shaded, never
// lifted, so it stays dark tissue under any tint. The trim and baseboard rows are
// left alone, so every tile still joins its neighbours there.
void light_from_ceiling(Canvas& c, bool metal);

}  // namespace contentgen::roomart
