// shot: renders a named scene headless and writes it as a PNG.
//
//   shot SCENE OUT.png
//   shot --hash SCENE   prints a hash of the scene's pixels (golden scenes)
//   shot --list
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "state/archive.h"
#include "state/assets.h"
#include "platform/platform.h"
#include "scene.h"

namespace shot {

std::map<std::string, Scene>& scenes() {
  static std::map<std::string, Scene> all;
  return all;
}

void load_text_assets() {
  plat::set_mask_colour(255, 0, 255);
  img_font = plat::load_anim_image("incbin::data\\gfx\\font.png", 29, 35, 0, 44, 3);
  img_font2 = plat::load_anim_image("incbin::data\\gfx\\font2.png", 23, 28, 0, 30, 3);
  img_numbers = plat::load_anim_image("incbin::data\\gfx\\numbers.png", 31, 40, 0, 11, 3);
  img_numbers2 = plat::load_anim_image("incbin::data\\gfx\\numbers2.png", 11, 13, 0, 11, 1);
  img_font3 = plat::load_anim_image("incbin::data\\gfx\\font3.png", 9, 10, 0, 100, 1);
  img_black = plat::load_image("incbin::data\\gfx\\black.png", 1);
  img_bracket = plat::load_image("incbin::data\\gfx\\bracket.png", 1);
  bordimg[1] = plat::load_image("incbin::data\\gfx\\bord_corner.png", 1);
  bordimg[2] = plat::load_image("incbin::data\\gfx\\bord_line.png", 1);
  miniimg[1] = plat::load_image("incbin::data\\gfx\\minicorn.png", 1);
  miniimg[2] = plat::load_image("incbin::data\\gfx\\minibord.png", 1);
}

}  // namespace shot

namespace {

int usage() {
  std::fprintf(stderr, "usage: shot SCENE OUT.png | shot --hash SCENE | shot --list\n");
  return 2;
}

// FNV-1a over the back buffer's pixels, 64 bits, as 16 hex digits.
bool print_pixel_hash() {
  std::vector<uint32_t> px;
  int w = 0, h = 0;
  if (!plat::read_back_buffer(px, w, h)) return false;
  uint64_t hash = 14695981039346656037ull;
  for (uint32_t p : px)
    for (int shift = 0; shift < 32; shift += 8) {
      hash ^= (p >> shift) & 0xFFu;
      hash *= 1099511628211ull;
    }
  std::printf("%016llx %dx%d\n", static_cast<unsigned long long>(hash), w, h);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && !std::strcmp(argv[1], "--list")) {
    for (const auto& [name, scene] : shot::scenes()) std::printf("%-16s %s\n", name.c_str(), scene.about.c_str());
    return 0;
  }
  if (argc != 3) return usage();
  const bool hash_only = !std::strcmp(argv[1], "--hash");
  const char* name = hash_only ? argv[2] : argv[1];
  auto it = shot::scenes().find(name);
  if (it == shot::scenes().end()) {
    std::fprintf(stderr, "shot: no scene \"%s\" (try --list)\n", name);
    return 2;
  }
  if (!plat::init(true) || !plat::open_display(1024, 768, 0, 60, plat::RendererSoftware)) {
    std::fprintf(stderr, "shot: cannot open the headless display\n");
    return 1;
  }
  register_embedded_archive();
  plat::set_cls_colour(0, 0, 0);
  plat::cls();
  it->second.draw();
  const bool ok = hash_only ? print_pixel_hash() : plat::save_screenshot(argv[2]);
  plat::close_display();
  plat::shutdown();
  if (!ok) {
    std::fprintf(stderr, "shot: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
