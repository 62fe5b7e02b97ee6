// mapview: draws the whole complex as a PNG, read through the game's own
// map loader from the embedded archive (or from a map file given as the
// second argument).
//
//   mapview OUT.png [MAPFILE]
//
// Rooms are filled with their type's minimap tint, passages are drawn as
// openings between cells, exits as grey bars leading out, and the rooms
// the game gives a role are labelled with their numbers.
#include <cairo.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "state/archive.h"
#include "world/map.h"
#include "world/worldtables.h"

namespace {

constexpr int kCell = 30;
constexpr int kGap = 6;
constexpr int kMargin = 40;

bool labelled(int id) {
  return id <= 3 || id == 28 || id == 69 || id == 89 || id == 126 || id == 174 ||
         (id >= 176 && id <= 183) || id == 248 || id == 255;
}

void cell_box(int row, int col, double& x, double& y) {
  x = kMargin + (col - 1) * kCell + kGap / 2.0;
  y = kMargin + (row - 1) * kCell + kGap / 2.0;
}

void text(cairo_t* cr, double cx, double cy, const std::string& s, double size) {
  cairo_set_font_size(cr, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, s.c_str(), &ext);
  cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, cy - ext.height / 2 - ext.y_bearing);
  cairo_show_text(cr, s.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: mapview OUT.png [MAPFILE]\n");
    return 2;
  }
  std::vector<uint8_t> file;
  if (argc >= 3) {
    std::ifstream in(argv[2], std::ios::binary);
    file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    loadmapbytes(file.data(), file.size());
  } else {
    register_embedded_archive();
    const ArchiveEntry* e = archive_find("game.map");
    if (!e) {
      std::fprintf(stderr, "mapview: no game.map in the archive\n");
      return 1;
    }
    loadmapbytes(e->data, e->size);
  }
  initworldtables();
  openexits();

  const int width = kMargin * 2 + mapcols * kCell, height = kMargin * 2 + maprows * kCell + 40;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.07, 0.08, 0.09);
  cairo_paint(cr);
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);

  // Grid.
  cairo_set_source_rgb(cr, 0.13, 0.14, 0.16);
  cairo_set_line_width(cr, 1);
  for (int c = 0; c <= mapcols; ++c) {
    cairo_move_to(cr, kMargin + c * kCell + 0.5, kMargin);
    cairo_line_to(cr, kMargin + c * kCell + 0.5, kMargin + maprows * kCell);
  }
  for (int r = 0; r <= maprows; ++r) {
    cairo_move_to(cr, kMargin, kMargin + r * kCell + 0.5);
    cairo_line_to(cr, kMargin + mapcols * kCell, kMargin + r * kCell + 0.5);
  }
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  for (int c = 5; c <= mapcols; c += 5) text(cr, kMargin + (c - 0.5) * kCell, kMargin - 14, std::to_string(c), 11);
  for (int r = 1; r <= maprows; ++r) text(cr, kMargin - 16, kMargin + (r - 0.5) * kCell, std::to_string(r), 11);

  int roomcount = 0;
  const double side = kCell - kGap;
  for (int row = 1; row <= maprows; ++row)
    for (int col = 1; col <= mapcols; ++col) {
      int id = mapgrid[row][col][cellid];
      if (id <= 0 || id > 300) continue;
      ++roomcount;
      int type = rooms[id][roomrecord][roomtype];
      const int* tint = roomcolour[type >= 0 && type <= 6 ? type : 0][3];
      double x, y;
      cell_box(row, col, x, y);
      // Brighter fill for rooms with more creatures about.
      double k = 0.35 + 0.45 * rooms[id][roomrecord][spawnchance] / 170.0;
      cairo_set_source_rgb(cr, tint[1] / 255.0 * k, tint[2] / 255.0 * k, tint[3] / 255.0 * k);
      cairo_rectangle(cr, x, y, side, side);
      cairo_fill(cr);
      // Passages: openings towards the neighbour, in the room's colour.
      const int* rec = rooms[id][roomrecord];
      for (int d = 1; d <= 4; ++d) {
        int n = rec[neighbourslot(d)];
        if (n == 0) continue;
        bool out = n == outsideroom;
        if (out)
          cairo_set_source_rgb(cr, 0.75, 0.75, 0.75);
        else
          cairo_set_source_rgb(cr, 0.85, 0.85, 0.8);
        double w = out ? 10 : 6, len = out ? kGap + 10 : kGap;
        double cx = x + side / 2, cy = y + side / 2;
        if (d == 1) cairo_rectangle(cr, cx - w / 2, y - len, w, len);
        if (d == 2) cairo_rectangle(cr, x - len, cy - w / 2, len, w);
        if (d == 3) cairo_rectangle(cr, cx - w / 2, y + side, w, len);
        if (d == 4) cairo_rectangle(cr, x + side, cy - w / 2, len, w);
        cairo_fill(cr);
      }
      if (labelled(id)) {
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_set_line_width(cr, 2);
        cairo_rectangle(cr, x + 1, y + 1, side - 2, side - 2);
        cairo_stroke(cr);
        text(cr, x + side / 2, y + side / 2, std::to_string(id), id >= 100 ? 10 : 12);
      }
    }

  cairo_set_source_rgb(cr, 0.8, 0.8, 0.8);
  std::string legend = std::to_string(roomcount) +
                       " rooms. 1 base, 28 armoury, 69 bonus, 174 generator, 177-182 medical, 248 nest; "
                       "grey bars lead outside. Brighter = more creatures.";
  cairo_set_font_size(cr, 13);
  cairo_move_to(cr, kMargin, height - 22);
  cairo_show_text(cr, legend.c_str());

  cairo_surface_flush(surface);
  cairo_status_t st = cairo_surface_write_to_png(surface, argv[1]);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  if (st != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "mapview: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
