// Lays the room pictures out the way the view draws them: a stretch of wall
// with a door, slime and acid under several room tints, plus a contact sheet
// of every picture. The band checks that neighbouring tiles join without a
// step in the trim or baseboard; both pictures are written to
// <build>/roomart/ for a person to look at.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>
#include <filesystem>
#include <map>
#include <string>

#include "creature_art/pictures.h"
#include "picture.h"
#include "tiles_art/room_art.h"

namespace fs = std::filesystem;
using namespace contentgen::roomart;

namespace {

struct Reader {
  const std::vector<uint8_t>* bytes;
  size_t pos = 0;
};

cairo_status_t read_bytes(void* closure, unsigned char* data, unsigned int length) {
  auto* r = static_cast<Reader*>(closure);
  if (r->pos + length > r->bytes->size()) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, r->bytes->data() + r->pos, length);
  r->pos += length;
  return CAIRO_STATUS_SUCCESS;
}

class Images {
 public:
  Images() {
    for (auto& e : room_art_entries()) add(e.name, e.make());
    // The acid puddle and the shot's flash are the creature art's.
    for (const auto& p : contentgen::creatures::effect_pictures())
      add(p.name.substr(p.name.rfind('\\') + 1), p.make());
  }
  ~Images() {
    for (auto& [n, s] : surfaces_) cairo_surface_destroy(s);
  }
  cairo_surface_t* operator[](const std::string& name) const { return surfaces_.at(name); }
  const std::map<std::string, cairo_surface_t*>& all() const { return surfaces_; }

 private:
  void add(const std::string& name, std::vector<uint8_t> png) {
    bytes_[name] = std::move(png);
    Reader r{&bytes_[name]};
    surfaces_[name] = cairo_image_surface_create_from_png_stream(read_bytes, &r);
  }
  std::map<std::string, std::vector<uint8_t>> bytes_;
  std::map<std::string, cairo_surface_t*> surfaces_;
};

void draw(cairo_t* cr, cairo_surface_t* s, double x, double y, double alpha = 1.0) {
  cairo_set_source_surface(cr, s, x, y);
  cairo_paint_with_alpha(cr, alpha);
}

// One wall slot: 0 = covered, 50 = door, else the tile number.
struct Wall {
  std::vector<int> slots;
  std::map<int, int> slime;  // slot index -> growth level
};

constexpr int kBandW = 780, kBandH = 275, kFloorY = 208;

// Draws walls, door, slime and floor in the room tint, then acid and a shot
// flash as the view does: tiles at their slot, slime with its 16 px handle.
void draw_band(cairo_t* cr, const Images& img, const Wall& wall, double r, double g, double b, bool open_door) {
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kBandW, kBandH);
  cairo_clip(cr);
  cairo_push_group(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  for (size_t i = 0; i < wall.slots.size(); ++i) {
    int t = wall.slots[i];
    double x = i * 52.0;
    bool wide = t == 12 || t == 13 || t == 17 || t == 18 || t == 19 || t == 20 || t == 23;
    if (t >= 1 && t <= 25 && (wide || !wall.slime.count(static_cast<int>(i))))
      draw(cr, img["tile_" + std::to_string(t) + ".png"], x, 0);
    if (t == 50) {
      draw(cr, img[open_door ? "tile_door3.png" : "tile_door1.png"], x, 0);
      draw(cr, img[open_door ? "tile_door4.png" : "tile_door2.png"], x + 156, 0);
    }
  }
  for (auto [slot, level] : wall.slime) draw(cr, img["slime_" + std::to_string(level) + ".png"], slot * 52.0 - 16, 0);
  for (auto [slot, level] : wall.slime) draw(cr, img["slime_" + std::to_string(level) + "x.png"], slot * 52.0 - 16, 0);
  for (size_t i = 0; i < wall.slots.size(); ++i) draw(cr, img["floor.png"], i * 52.0, kFloorY);
  // Multiply everything by the room tint.
  cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
  cairo_set_source_rgb(cr, r / 255, g / 255, b / 255);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  draw(cr, img["acid_1.png"], 300 - 72, 288 - 67, 0.9);
  cairo_restore(cr);
}

double row_luma(const Picture& p, int y, int x0, int x1) {
  double s = 0;
  for (int x = x0; x < x1; ++x) s += p.luma(x, y);
  return s / (x1 - x0);
}

}  // namespace

TEST(RoomBand, TilesJoinAndTheBandIsWrittenForReview) {
  Images img;
  const fs::path out = fs::path(RX_CONTENT_DIR).parent_path() / "roomart";
  fs::create_directories(out);

  const Wall a{{1, 3, 50, 0, 0, 0, 12, 0, 0, 7, 9, 17, 0, 5, 4}, {{13, 2}, {14, 3}}};
  const Wall b{{13, 0, 0, 2, 10, 11, 19, 0, 0, 14, 16, 15, 21, 22, 24}, {{3, 1}, {4, 2}}};
  const Wall c{{25, 6, 8, 20, 0, 0, 18, 0, 23, 0, 0, 24, 50, 0, 0}, {{5, 3}}};
  struct Row {
    const Wall* wall;
    int r, g, b;
    bool open;
  };
  const Row rows[] = {{&a, 150, 150, 150, false}, {&a, 150, 0, 0, true},    {&b, 0, 0, 150, false},
                      {&b, 0, 150, 0, false},     {&c, 100, 70, 25, false}, {&c, 0, 150, 150, true},
                      {&a, 255, 255, 255, false}};
  const int n = sizeof rows / sizeof rows[0];
  cairo_surface_t* band = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kBandW, kBandH * (n + 1));
  cairo_t* cr = cairo_create(band);
  for (int i = 0; i < n; ++i) {
    // Each row also goes to its own file, to be looked at 1:1.
    cairo_surface_t* one = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kBandW, kBandH);
    cairo_t* rc = cairo_create(one);
    draw_band(rc, img, *rows[i].wall, rows[i].r, rows[i].g, rows[i].b, rows[i].open);
    cairo_destroy(rc);
    cairo_surface_write_to_png(one, (out / ("room_band_" + std::to_string(i + 1) + ".png")).c_str());
    draw(cr, one, 0, i * kBandH);
    cairo_surface_destroy(one);
  }
  // A dark room lit only by the flashlight window around the crosshair.
  cairo_save(cr);
  cairo_translate(cr, 0, n * kBandH);
  draw_band(cr, img, a, 12, 12, 12, false);
  const double fx = 330, fy = 40;
  cairo_save(cr);
  cairo_rectangle(cr, fx, fy, 180, 180);
  cairo_clip(cr);
  draw_band(cr, img, a, 150, 150, 150, false);
  draw(cr, img["flashlight.png"], fx, fy);
  cairo_restore(cr);
  draw(cr, img["targ_1.png"], fx + 90 - 24, fy + 90 - 24);
  draw(cr, img["blast.png"], 600 - 32, 120 - 32);
  cairo_restore(cr);
  cairo_destroy(cr);
  ASSERT_EQ(cairo_surface_write_to_png(band, (out / "room_band.png").c_str()), CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(band);

  // Trim and baseboard rows must match across every tile so a wall of any
  // mix reads as one surface. The plain panel is the reference.
  Picture ref;
  std::vector<std::string> walls;
  for (int t = 1; t <= 25; ++t) walls.push_back("tile_" + std::to_string(t) + ".png");
  for (const char* d : {"tile_door1.png", "tile_door2.png", "tile_door3.png", "tile_door4.png"}) walls.push_back(d);
  for (const auto& e : room_art_entries())
    if (e.name == "tile_1.png") ref = decode_png(e.make());
  for (const auto& e : room_art_entries()) {
    if (std::find(walls.begin(), walls.end(), e.name) == walls.end()) continue;
    if (e.name == "tile_22.png" || e.name == "tile_23.png" || e.name == "tile_21.png") continue;  // overgrown
    SCOPED_TRACE(e.name);
    Picture p = decode_png(e.make());
    for (int y : {2, 7, 10, 12}) EXPECT_NEAR(row_luma(p, y, 0, p.width), row_luma(ref, y, 0, 52), 14) << "trim row " << y;
    const bool door = e.name == "tile_door1.png" || e.name == "tile_door3.png";
    if (!door) {
      for (int y : {191, 196, 204})
        EXPECT_NEAR(row_luma(p, y, 0, p.width), row_luma(ref, y, 0, 52), 14) << "base row " << y;
    }
  }
}

TEST(RoomBand, ContactSheetOfEveryPicture) {
  Images img;
  const fs::path out = fs::path(RX_CONTENT_DIR).parent_path() / "roomart";
  fs::create_directories(out);
  const int width = 1200, pad = 10, label = 14;
  // Flow layout: measure first, then draw.
  int x = pad, y = pad, row_h = 0;
  std::vector<std::tuple<std::string, int, int>> places;
  for (const auto& e : room_art_entries()) {
    cairo_surface_t* s = img[e.name];
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int cell_w = std::max(w, 70);
    if (x + cell_w > width - pad) x = pad, y += row_h + pad, row_h = 0;
    places.emplace_back(e.name, x, y);
    x += cell_w + pad;
    row_h = std::max(row_h, h + label);
  }
  const int height = y + row_h + pad;
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(sheet);
  // A checkerboard shows what is transparent.
  for (int cy = 0; cy < height; cy += 8)
    for (int cx = 0; cx < width; cx += 8) {
      double v = ((cx + cy) / 8) % 2 ? 0.33 : 0.27;
      cairo_set_source_rgb(cr, v, v, v);
      cairo_rectangle(cr, cx, cy, 8, 8);
      cairo_fill(cr);
    }
  cairo_set_font_size(cr, 10);
  for (auto& [name, px, py] : places) {
    cairo_set_source_rgb(cr, 1, 1, 0.6);
    cairo_move_to(cr, px, py + 10);
    cairo_show_text(cr, name.c_str());
    draw(cr, img[name], px, py + label);
  }
  cairo_destroy(cr);
  EXPECT_EQ(cairo_surface_write_to_png(sheet, (out / "contact_sheet.png").c_str()), CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(sheet);
  EXPECT_EQ(places.size(), room_art_entries().size());
}
