// Start-up loading of the image fonts and of every other image and sound
// into the asset tables. An entry missing from the archive leaves its
// handle at 0 without any warning; the warning comes only when something
// uses it.
#include "state/asset_handles.h"
#include "state/asset_plan.h"
#include "state/assets.h"
#include "platform/platform.h"

void asset_set_handle(int image, int hx, int hy) {
  if (!plat::image_exists(image)) {
    gfxmissing = 100;
    return;
  }
  plat::set_image_handle(image, hx, hy);
}

void asset_centre_handle(int image) {
  if (!plat::image_exists(image)) {
    gfxmissing = 100;
    return;
  }
  plat::set_image_handle(image, plat::image_width(image) / 2, plat::image_height(image) / 2);
}

namespace {

// Shared attack/death handle per creature kind, taken from the first attack
// frame as soon as it is loaded.
struct SharedHandle {
  bool known = false;
  int hx = 0, hy = 0;
};

void load_one(const ImageLoad& l, SharedHandle shared[4]) {
  std::string name = gfx_path(l.file);
  int image = l.frames > 0 ? plat::load_anim_image(name, l.cellw, l.cellh, 0, l.frames, l.flags)
                           : plat::load_image(name, l.flags);
  *l.slot = image;
  switch (l.rule) {
    case HandleRule::none:
      break;
    case HandleRule::centre:
      asset_centre_handle(image);
      break;
    case HandleRule::fixed:
      asset_set_handle(image, l.hx, l.hy);
      break;
    case HandleRule::creatureshared: {
      SharedHandle& s = shared[l.kind];
      if (!s.known) {
        // The first attack frame of the kind sets the handle for all of them.
        creature_attack_handle(l.kind, plat::image_width(image), plat::image_height(image), s.hx,
                               s.hy);
        s.known = true;
      }
      asset_set_handle(image, s.hx, s.hy);
      break;
    }
  }
}

}  // namespace

void load_fonts() {
  plat::set_mask_colour(255, 0, 255);
  SharedHandle unused[4];
  for (const ImageLoad& l : font_load_plan()) load_one(l, unused);
}

void load_all_assets() {
  plat::set_mask_colour(255, 0, 255);
  SharedHandle shared[4];
  for (const ImageLoad& l : image_load_plan()) load_one(l, shared);
  // Sounds play once per call; none loops.
  for (const SoundLoad& s : sound_load_plan()) *s.slot = plat::load_sound(sfx_path(s.file), 0);
}
