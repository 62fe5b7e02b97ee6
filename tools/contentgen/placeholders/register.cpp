// Simple stand-in content for every archive entry; art modules override it.
#include <cmath>

#include "canvas.h"
#include "manifest.h"
#include "registry.h"
#include "wav.h"

namespace contentgen {

void register_placeholders(Registry& reg) {
  for (const auto& name : manifest()) {
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) {
      reg.add(name, [] {
        Canvas c(32, 32);
        cairo_set_source_rgb(c.cr(), 0.5, 0.5, 0.5);
        cairo_arc(c.cr(), 16, 16, 14, 0, 2 * M_PI);
        cairo_fill(c.cr());
        return c.png();
      });
    } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".wav") == 0) {
      reg.add(name, [] {
        std::vector<float> s(2205);
        for (size_t i = 0; i < s.size(); ++i) s[i] = 0.3f * std::sin(2 * M_PI * 440 * i / 22050.0);
        return encode_wav(s, 22050);
      });
    }
  }
  // An empty complex: the magic number and no rooms.
  reg.add("game.map", [] {
    Bytes b(500004, 0);
    b[0] = 414 & 255;
    b[1] = 414 >> 8;
    return b;
  });
}

}  // namespace contentgen
