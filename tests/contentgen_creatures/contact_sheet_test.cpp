// Writes creature_sheet.png (every creature picture with its name) and
// creature_scene.png (the creatures at their drawing positions on a dark
// room band) into the build folder, for a person to look at.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "creature_art/pictures.h"

namespace cc = contentgen::creatures;

namespace {

struct Reader {
  const contentgen::Bytes* bytes;
  size_t pos;
};

cairo_status_t read_bytes(void* closure, unsigned char* data, unsigned int length) {
  auto* r = static_cast<Reader*>(closure);
  if (r->pos + length > r->bytes->size()) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, r->bytes->data() + r->pos, length);
  r->pos += length;
  return CAIRO_STATUS_SUCCESS;
}

std::map<std::string, cairo_surface_t*> load_all() {
  std::map<std::string, cairo_surface_t*> m;
  for (const auto& p : cc::pictures()) {
    std::string disk = p.name;
    std::replace(disk.begin(), disk.end(), '\\', '/');
    std::ifstream f(std::filesystem::path(RX_CONTENT_DIR) / disk, std::ios::binary);
    contentgen::Bytes b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    Reader r{&b, 0};
    m[p.name.substr(9)] = cairo_image_surface_create_from_png_stream(read_bytes, &r);
  }
  return m;
}

// Draws an image with its handle at (x, y), optionally mirrored, scaled.
void place(cairo_t* cr, cairo_surface_t* s, double x, double y, double hx, double hy, bool mirror = false,
           double scale = 1.0) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, mirror ? -scale : scale, scale);
  cairo_set_source_surface(cr, s, -hx, -hy);
  cairo_paint(cr);
  cairo_restore(cr);
}

// A dark room band 780 x 275 whose top is room y 67; walls down to 275,
// floor below.
void band(cairo_t* cr, double top) {
  for (int slot = 0; slot < 15; ++slot) {
    cairo_rectangle(cr, slot * 52, top, 52, 208);
    cairo_pattern_t* g = cairo_pattern_create_linear(slot * 52, 0, slot * 52 + 52, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.20, 0.21, 0.22);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.30, 0.31, 0.33);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.14, 0.15, 0.16);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_rectangle(cr, 0, top + 208, 780, 67);
  cairo_set_source_rgb(cr, 0.10, 0.10, 0.11);
  cairo_fill(cr);
}

}  // namespace

TEST(CreatureReview, WritesContactSheetAndScene) {
  auto img = load_all();
  // Contact sheet: every picture at 1:1 in rows, named.
  const int W = 1700;
  int x = 10, y = 10, row = 0, H = 0;
  std::vector<std::pair<std::string, std::pair<int, int>>> spots;
  for (const auto& p : cc::pictures()) {
    std::string n = p.name.substr(9);
    int w = cairo_image_surface_get_width(img[n]), h = cairo_image_surface_get_height(img[n]);
    if (x + w > W) x = 10, y += row + 24, row = 0;
    spots.push_back({n, {x, y}});
    x += std::max(w, 100) + 10;
    row = std::max(row, h);
    H = y + row + 24;
  }
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.33, 0.34, 0.36);
  cairo_paint(cr);
  cairo_set_font_size(cr, 12);
  for (const auto& [n, pos] : spots) {
    cairo_set_source_surface(cr, img[n], pos.first, pos.second + 16);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 1, 1, 0.7);
    cairo_move_to(cr, pos.first, pos.second + 12);
    cairo_show_text(cr, n.c_str());
  }
  cairo_destroy(cr);
  EXPECT_EQ(cairo_surface_write_to_png(sheet, "creature_sheet.png"), CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(sheet);

  // Scene: three bands; room coordinates have the band's top at y 67.
  cairo_surface_t* scene = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 780, 275 * 3);
  cr = cairo_create(scene);
  for (int b = 0; b < 3; ++b) band(cr, 275.0 * b);
  auto at = [&](int b) { return 275.0 * b - 67; };
  // Band 1: roaming warriors both ways with the head hit image over one,
  // a hugger, an egg, the survivor and a cocooned colonist.
  cairo_save(cr);
  cairo_translate(cr, 0, at(0));
  place(cr, img["alien_1.png"], 110, 110, 102, 0);
  place(cr, img["alien_3.png"], 330, 110, 102, 0, true);
  cairo_push_group(cr);
  place(cr, img["alien_head.png"], 110 + 18, 120, 0, 0);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.0);  // switch to 0.5 to see the hit area
  place(cr, img["hugger_2.png"], 470, 264, 121, 0);
  place(cr, img["egg.png"], 600, 216, 36, 0);
  place(cr, img["wren.png"], 660, 154, 24, 0);
  place(cr, img["colonist_1.png"], 690 - 78, 100, 0, 0);
  cairo_restore(cr);
  // Band 2: the queen and the remains.
  cairo_save(cr);
  cairo_translate(cr, 0, at(1));
  place(cr, img["queen_2.png"], 190, 12, 177, 0);
  place(cr, img["alien_c4.png"], 470, 80, 136, 0);
  place(cr, img["hugger_c3.png"], 600, 264, 111, 53, true);
  place(cr, img["egg_c3.png"], 700, 216, 36, 0);
  place(cr, img["colonist_2.png"], 610, 100, 0, 0);
  cairo_restore(cr);
  // Band 3: a warrior at the end of its lunge, clipped to the band.
  cairo_save(cr);
  cairo_rectangle(cr, 0, 550, 780, 275);
  cairo_clip(cr);
  cairo_translate(cr, 0, at(2));
  place(cr, img["alien_a2.png"], 390, 130, 278, 63, false, 70 * 0.015 + 0.33);
  cairo_restore(cr);
  cairo_destroy(cr);
  EXPECT_EQ(cairo_surface_write_to_png(scene, "creature_scene.png"), CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(scene);
  for (auto& [n, s] : img) {
    EXPECT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS) << n;
    cairo_surface_destroy(s);
  }
}
