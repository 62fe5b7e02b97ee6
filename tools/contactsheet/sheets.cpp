#include "sheets.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace contactsheet {
namespace {

struct Strip {
  int cellw, cellh;
};

const std::map<std::string, Strip> kStrips = {
    {"font.png", {29, 35}},    {"font2.png", {23, 28}}, {"numbers.png", {31, 40}},
    {"numbers2.png", {11, 13}}, {"font3.png", {9, 10}},  {"heart.png", {60, 12}},
    {"heart2.png", {36, 8}},    {"sm_ticker.png", {17, 17}}};

struct Item {
  std::string label;
  std::string name;
  int frame;  // -1 whole picture
  int w, h;
  Strip strip;
};

void checker(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (int yy = 0; yy * 8 < h; ++yy)
    for (int xx = 0; xx * 8 < w; ++xx) {
      double v = (xx + yy) % 2 ? 0.30 : 0.36;
      cairo_set_source_rgb(cr, v, v * 0.9, v);
      cairo_rectangle(cr, x + xx * 8, y + yy * 8, 8, 8);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

void label(cairo_t* cr, const std::string& text, double x, double y) {
  cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 10);
  cairo_set_source_rgb(cr, 0.9, 0.95, 0.9);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

bool save(cairo_surface_t* s, const std::string& path) {
  return cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::vector<std::string> write_contact_sheets(const ImageSet& set, const std::string& out_prefix,
                                              int max_w, int max_h) {
  std::vector<Item> items;
  for (const auto& [name, s] : set.all()) {
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    auto it = kStrips.find(name);
    if (it == kStrips.end()) {
      items.push_back({name + " " + std::to_string(w) + "x" + std::to_string(h), name, -1, w, h, {}});
      continue;
    }
    Strip st = it->second;
    int frames = (w / st.cellw) * (h / st.cellh);
    for (int f = 0; f < frames; ++f)
      items.push_back({name + ":" + std::to_string(f), name, f, st.cellw, st.cellh, st});
  }
  const int pad = 8, label_h = 13;
  std::vector<std::string> written;
  size_t i = 0;
  int sheet = 0;
  while (i < items.size()) {
    // First pass: decide which items fit, and the sheet's height.
    struct Placed {
      size_t item;
      int x, y;
    };
    std::vector<Placed> placed;
    int x = pad, y = pad, row_h = 0, used_h = 0;
    for (; i < items.size(); ++i) {
      const Item& it = items[i];
      int cw = std::max(it.w, static_cast<int>(it.label.size()) * 6 + 4);
      int ch = it.h + label_h;
      if (x + cw + pad > max_w && x > pad) {
        x = pad;
        y += row_h + pad;
        row_h = 0;
      }
      if (y + ch + pad > max_h && !placed.empty()) break;
      placed.push_back({i, x, y});
      x += cw + pad;
      row_h = std::max(row_h, ch);
      used_h = y + row_h + pad;
    }
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, max_w, used_h);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0.12, 0.12, 0.14);
    cairo_paint(cr);
    for (const Placed& p : placed) {
      const Item& it = items[p.item];
      label(cr, it.label, p.x, p.y + 10);
      checker(cr, p.x, p.y + label_h, it.w, it.h);
      Draw d;
      d.frame = it.frame;
      d.cellw = it.strip.cellw;
      d.cellh = it.strip.cellh;
      draw(cr, set, it.name, p.x, p.y + label_h, d);
    }
    cairo_destroy(cr);
    std::string path = out_prefix + "_" + std::to_string(++sheet) + ".png";
    if (save(s, path)) written.push_back(path);
    cairo_surface_destroy(s);
  }
  return written;
}

namespace {

// A stand-in for a room view: dark wall bays under a tint.
void fake_view(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source_rgb(cr, 0.18, 0.20, 0.22);
  cairo_fill(cr);
  for (double bx = x; bx < x + w; bx += 52) {
    cairo_rectangle(cr, bx + 2, y + h * 0.05, 48, h * 0.7);
    cairo_set_source_rgb(cr, 0.25, 0.27, 0.30);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x, y + h * 0.76, w, h * 0.24);
  cairo_set_source_rgb(cr, 0.12, 0.12, 0.13);
  cairo_fill(cr);
  cairo_restore(cr);
}

double heartbeat(int k) {
  double t = std::fmod(k * 1.0, 46.0);
  if (t < 4) return 32 - t * 6;
  if (t < 10) return 8 + (t - 4) * 8;
  if (t < 14) return 56 - (t - 10) * 6;
  return 32;
}

void text(cairo_t* cr, const std::string& s, double cx, double y, double size, double r, double g,
          double b) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  cairo_set_source_rgb(cr, r, g, b);
  cairo_move_to(cr, cx - e.x_advance / 2, y + size * 0.85);
  cairo_show_text(cr, s.c_str());
}

// One member tab with its name, room number, stamina bar and hearts, laid
// out as the console does for one player (u = 1) or two (u = 0).
void member_tab(cairo_t* cr, const ImageSet& set, bool one, int x, int y, int kind, double tr,
                double tg, double tb, const std::string& name, double stamina, int health,
                int health_max) {
  std::string img = one ? (kind == 1 ? "tab.png" : kind == 2 ? "tabx.png" : "tabz.png")
                        : (kind == 1 ? "tab2.png" : kind == 2 ? "tab2x.png" : "tab2z.png");
  Draw t;
  t.r = tr; t.g = tg; t.b = tb;
  draw(cr, set, img, x, y, t);
  bool cam = kind == 1;
  double b = one ? 1 : 0.62;
  if (cam) {
    // Live camera stand-in.
    if (one) fake_view(cr, x + 6, y + 50, 261, 76); else fake_view(cr, x + 4, y + 31, 162, 47);
  }
  // Name and room number.
  if (one) {
    if (cam) text(cr, name, x + 70, y + 6, 16, 1, 0, 0); else text(cr, name, x + 136, y + 13, 20, 1, 0, 0);
    if (cam) text(cr, "042", x + 236, y + 8, 16, 1, 0.6, 0.6); else text(cr, "042", x + 136, y + 56, 26, 1, 0.6, 0.6);
  } else {
    if (cam) text(cr, name, x + 45, y + 4, 10, 1, 0, 0); else text(cr, name, x + 84, y + 8, 12, 1, 0, 0);
  }
  double red = std::min(1.0, (1 - stamina) * 2), green = std::min(1.0, stamina * 2);
  Draw e, f;
  f.r = red; f.g = green; f.b = 0;
  if (cam) {
    e.sx = e.sy = b;
    f.sx = b * stamina; f.sy = b;
    draw(cr, set, "bar_stx.png", x + (one ? 5 : 4), y + (one ? 33 : 21), e);
    draw(cr, set, "bar_st.png", x + (one ? 7 : 5), y + (one ? 35 : 22), f);
  } else {
    e.sx = one ? 0.868 : 0.53816; e.sy = b;
    f.sx = b * stamina * 0.868; f.sy = b;
    draw(cr, set, "bar_stx.png", x + (one ? 12 : 8), y + (one ? 107 : 66), e);
    draw(cr, set, "bar_st.png", x + (one ? 14 : 9), y + (one ? 109 : 67), f);
  }
  int hx = x + (cam ? 129 : 125) + (one ? (cam ? 78 : 76) : 0);
  int hy = y + (cam ? 20 : 66) + (one ? (cam ? 14 : 41) : 0);
  Draw hm, hc;
  hm.r = 100 / 255.0; hm.g = 1; hm.b = 1;
  hm.frame = std::clamp(health_max - 1, 0, 4);
  hc.frame = std::clamp(health - 1, 0, 4);
  hm.cellw = hc.cellw = one ? 60 : 36;
  hm.cellh = hc.cellh = one ? 12 : 8;
  const char* heart = one ? "heart.png" : "heart2.png";
  draw(cr, set, heart, hx, hy, hm);
  draw(cr, set, heart, hx, hy, hc);
}

// The status panel of one player; s is 1 (one player) or 0.6 (two).
void status_panel(cairo_t* cr, const ImageSet& set, bool one, int d) {
  double s = one ? 1 : 0.6;
  Draw sc;
  sc.sx = sc.sy = s;
  int ny = one ? 401 : 543, nx = one ? 324 : d + 324;
  draw(cr, set, "nametab.png", nx, ny, sc);
  if (one) text(cr, "MARSH", 511, 412, 26, 0, 1, 0); else text(cr, "NOLAN", d + 434, 548, 17, 0, 1, 0);
  Draw v = sc, m = sc;
  m.sx = -s;
  if (one) {
    draw(cr, set, "viiva.png", 326, 458, v);
    draw(cr, set, "viiva.png", 405, 458, v);
    draw(cr, set, "viiva.png", 618, 458, m);
    draw(cr, set, "viiva.png", 697, 458, m);
  } else {
    draw(cr, set, "viiva.png", d + 325, 575, v);
    draw(cr, set, "viiva.png", d + 372, 575, v);
    draw(cr, set, "viiva.png", d + 500, 575, m);
    draw(cr, set, "viiva.png", d + 548, 575, m);
  }
  Draw face = sc;
  face.r = face.g = face.b = 175 / 255.0;
  face.hx = face.hy = 92;
  draw(cr, set, one ? "face_marsh.png" : "face_nolan.png", one ? 511 : d + 436, one ? 559 : 637, face);
  double a = 0.7;
  Draw empty = sc, fill = sc;
  empty.hx = fill.hx = 12;
  empty.hy = fill.hy = 174;
  fill.sy = s * a;
  fill.r = std::min(1.0, (1 - a) * 2);
  fill.g = std::min(1.0, a * 2);
  fill.b = 0;
  int gx = one ? 655 : d + 523, gy = one ? 640 : 684;
  draw(cr, set, "bar_amx.png", gx, gy, empty);
  draw(cr, set, "bar_am.png", gx, gy, fill);
  text(cr, "39/56", one ? 653 : d + 523, one ? 643 : 686, one ? 10 : 8, 1, 1, 1);
  Draw dot;
  dot.r = dot.g = 1;
  dot.b = 0;
  if (one)
    for (int k = 1; k <= 184; ++k) draw(cr, set, "piste.png", heartbeat(k) + 335, k + 465, dot);
  else
    for (int k = 74; k <= 184; ++k) draw(cr, set, "piste2.png", d + heartbeat(k) + 316, k + 507, dot);
  draw(cr, set, "scoretab.png", one ? 324 : d + 324, one ? 661 : 696, sc);
  if (one) text(cr, "00012500", 512, 680, 34, 0, 1, 0); else text(cr, "00004100", d + 433, 707, 22, 0, 1, 0);
}

void minimap(cairo_t* cr, const ImageSet& set, int oy) {
  draw(cr, set, "mm_back.png", 802, 69 + oy);
  Draw m;
  m.alpha = 0.75;
  draw(cr, set, "musti.png", 809, 76 + oy, m);
  const double tints[9][3] = {{0.69, 0.69, 0.69}, {0.69, 0, 0}, {0.69, 0.69, 0.69},
                              {0, 0, 0.69},       {0.69, 0.69, 0.69}, {0, 0.69, 0},
                              {0, 0.69, 0.69},    {0.69, 0.69, 0.69}, {0.39, 0.25, 0.1}};
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) {
      if (i == 2 && j == 0) continue;
      Draw r;
      r.r = tints[j * 3 + i][0]; r.g = tints[j * 3 + i][1]; r.b = tints[j * 3 + i][2];
      draw(cr, set, "mm_room.png", 814 + i * 26, 81 + oy + j * 26, r);
    }
  draw(cr, set, "mm_hori.png", 814 + 26 - 6, 81 + oy + 26);
  draw(cr, set, "mm_hori.png", 814 + 52 - 6, 81 + oy + 26);
  draw(cr, set, "mm_vert.png", 814 + 26, 81 + oy + 20);
  draw(cr, set, "mm_vert.png", 814, 81 + oy + 46);
  draw(cr, set, "mm_someone.png", 814 + 52, 81 + oy + 52);
  Draw you;
  you.hx = you.hy = 7;
  draw(cr, set, "mm_you.png", 814 + 26 + 10, 81 + oy + 26 + 10, you);
}

cairo_surface_t* new_screen(cairo_t** cr) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1024, 768);
  *cr = cairo_create(s);
  cairo_set_source_rgb(*cr, 0, 0, 0);
  cairo_paint(*cr);
  return s;
}

std::string finish(cairo_surface_t* s, cairo_t* cr, const std::string& path) {
  cairo_destroy(cr);
  bool ok = save(s, path);
  cairo_surface_destroy(s);
  return ok ? path : std::string();
}

void compass(cairo_t* cr, const ImageSet& set, int y) {
  Draw dial;
  dial.alpha = 0.5;
  dial.hx = dial.hy = 16;
  draw(cr, set, "bald.png", 512, y, dial);
  Draw needle;
  needle.hx = needle.hy = 16;
  draw(cr, set, "indicator.png", 512, y, needle);
}

}  // namespace

std::string write_console_one(const ImageSet& set, const std::string& path) {
  cairo_t* cr;
  cairo_surface_t* s = new_screen(&cr);
  fake_view(cr, 0, 67, 1024, 275);
  minimap(cr, set, 0);
  Draw clock;
  clock.alpha = 0.66;
  clock.sx = 1.62;
  clock.sy = 0.131;
  draw(cr, set, "musti.png", 120, 67, clock);
  draw(cr, set, "board_1.png", 0, 342);
  draw(cr, set, "board_2.png", 0, 67);
  Draw mirror;
  mirror.sx = -1;
  draw(cr, set, "board_2.png", 1024, 67, mirror);
  draw(cr, set, "board_3.png", 0, 0);
  compass(cr, set, 26);
  status_panel(cr, set, true, 0);
  const char* names[6] = {"MARSH", "BRODY", "INGRAM", "PRYCE", "MOREAU", "VANCE"};
  const int tx[6] = {30, 30, 30, 721, 721, 721}, ty[6] = {367, 497, 627, 367, 497, 627};
  for (int m = 0; m < 6; ++m) {
    int kind = m == 0 ? 3 : (m == 3 ? 2 : 1);
    double tb = m == 0 ? 0 : 1;
    member_tab(cr, set, true, tx[m], ty[m], kind, 1, 1, tb, names[m], 0.15 + m * 0.16, 5 - m % 3,
               5);
  }
  Draw alert;
  alert.r = alert.g = 1;
  alert.b = 0;
  draw(cr, set, "alert.png", 4, 497 + 66 - 27.5, alert);
  return finish(s, cr, path);
}

std::string write_console_two(const ImageSet& set, const std::string& path) {
  cairo_t* cr;
  cairo_surface_t* s = new_screen(&cr);
  fake_view(cr, 0, 0, 1024, 256);
  fake_view(cr, 0, 258, 1024, 256);
  minimap(cr, set, -67);
  compass(cr, set, 16);
  compass(cr, set, 274);
  draw(cr, set, "board2_1.png", 0, 514);
  draw(cr, set, "board2_2.png", 0, 0);
  Draw mirror;
  mirror.sx = -1;
  draw(cr, set, "board2_2.png", 1024, 0, mirror);
  for (int k = 1; k <= 7; ++k) {
    Draw sp;
    sp.hy = 5;
    cairo_save(cr);
    cairo_rectangle(cr, 122, 250, 780, 13);
    cairo_clip(cr);
    draw(cr, set, "splitter.png", k * 128 - 6, 256, sp);
    cairo_restore(cr);
  }
  status_panel(cr, set, false, -70);
  status_panel(cr, set, false, 222);
  const char* names[6] = {"MARSH", "BRODY", "INGRAM", "NOLAN", "MOREAU", "VANCE"};
  const int tx[6] = {30, 30, 30, 824, 824, 824}, ty[6] = {519, 600, 681, 519, 600, 681};
  for (int m = 0; m < 6; ++m) {
    bool controlled = m == 0 || m == 3;
    double tr = m == 3 ? 0 : 1, tb = m == 0 ? 0 : 1;
    member_tab(cr, set, false, tx[m], ty[m], controlled ? 3 : 1, tr, 1, tb, names[m], 0.3 + m * 0.12,
               4 - m % 2, 5);
  }
  return finish(s, cr, path);
}

std::string write_panels_open(const ImageSet& set, const std::string& path) {
  cairo_t* cr;
  cairo_surface_t* s = new_screen(&cr);
  fake_view(cr, 0, 67, 1024, 275);
  draw(cr, set, "slider_left.png", 122, 67);
  Draw right;
  right.hx = 421;
  draw(cr, set, "slider_right.png", 902, 67, right);
  const char* heads[4] = {"WARRIORS", "QUEENS", "EGGS & HUG.", "ATTACK WAVE"};
  for (int i = 0; i < 4; ++i) {
    double cx = i % 2 == 0 ? 302 : 722;
    double y = i < 2 ? 89 : 213;
    text(cr, heads[i], cx, y, 26, 0, 0.7, 0);
    Draw pt;
    pt.hx = 82;
    draw(cr, set, "pausetab.png", cx, y + 43, pt);
    text(cr, "012", cx, y + 55, 34, 0.6, 0.6, 1);
  }
  draw(cr, set, "board_1.png", 0, 342);
  draw(cr, set, "board_2.png", 0, 67);
  Draw mirror;
  mirror.sx = -1;
  draw(cr, set, "board_2.png", 1024, 67, mirror);
  draw(cr, set, "board_3.png", 0, 0);
  status_panel(cr, set, true, 0);
  return finish(s, cr, path);
}

std::string write_menu_mock(const ImageSet& set, const std::string& path) {
  cairo_t* cr;
  cairo_surface_t* s = new_screen(&cr);
  Draw two;
  two.sx = two.sy = 2;
  draw(cr, set, "backer.png", 0, 0, two);
  cairo_surface_t* t = set.get("title.png");
  if (t) {
    Draw c;
    c.hx = cairo_image_surface_get_width(t) / 2;
    c.hy = cairo_image_surface_get_height(t) / 2;
    draw(cr, set, "title.png", 512, 70, c);
  }
  // A squad-screen slot panel on the left, the menu panel in the middle.
  auto panel = [&](double x, double y, double w, double h, const char* line, const char* corner,
                   double div) {
    Draw fill;
    fill.sx = w / 32;
    fill.sy = h / 32;
    fill.alpha = 0.9;
    draw(cr, set, "black.png", x, y, fill);
    const double px[4] = {x, x + w, x + w, x}, py[4] = {y, y, y + h, y + h};
    for (int e = 0; e < 4; ++e) {
      cairo_save(cr);
      cairo_translate(cr, px[e], py[e]);
      cairo_rotate(cr, e * M_PI / 2);
      Draw l;
      l.sx = (e % 2 == 0 ? w : h) / div;
      draw(cr, set, line, 0, 0, l);
      draw(cr, set, corner, 0, 0);
      cairo_restore(cr);
    }
  };
  panel(327, 294, 370, 311, "bord_line.png", "bord_corner.png", 5);
  text(cr, "MAIN MENU", 512, 236, 30, 1, 1, 0);
  const char* items[6] = {"NEW GAME", "CONTINUE GAME", "LOAD GAME", "SAVE GAME", "OPTIONS", "QUIT"};
  for (int i = 0; i < 6; ++i) {
    double b = i == 0 ? 1 : (i == 1 || i == 3) ? 0.33 : 0.7;
    text(cr, items[i], 512, 312 + 48 * i, 28, b, b, b);
  }
  double X = 8, Y = 194 - 23;
  panel(X, Y, 380, 183, "bord_line.png", "bord_corner.png", 5);
  text(cr, "INGRAM", X + 190, Y + 14, 24, 1, 1, 1);
  draw(cr, set, "facebord.png", X + 64, Y + 41);
  Draw half;
  half.sx = half.sy = 0.5;
  half.hx = half.hy = 92;
  draw(cr, set, "face_ingram.png", X + 113, Y + 90, half);
  for (int a = 0; a < 4; ++a) {
    double d = 26 * a;
    draw(cr, set, "icon_" + std::to_string(a + 1) + ".png", X + 148, Y + 65 + d);
    draw(cr, set, "statbar.png", X + 174, Y + 69 + d);
    int shown = (a + 2) * 33;
    Draw bl;
    bl.sx = (166 - shown) / 166.0;
    draw(cr, set, "blocker.png", X + 339 - (166 - shown), Y + 69 + d, bl);
    draw(cr, set, "statborder.png", X + 171, Y + 66 + d);
  }
  panel(636, 300, 260, 42, "minibord.png", "minicorn.png", 3);
  draw(cr, set, "caret.png", 760, 360);
  draw(cr, set, "mouse.png", 560, 420);
  return finish(s, cr, path);
}

std::string write_startup_mock(const ImageSet& set, const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 480, 360);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  draw(cr, set, "sm_back.png", 0, 0);
  Draw idle;
  idle.frame = 0;
  idle.cellw = idle.cellh = 17;
  draw(cr, set, "sm_ticker.png", 457, 6, idle);
  Draw tab;
  tab.hx = 155;
  tab.hy = 28;
  draw(cr, set, "sm_tab.png", 240, 137, tab);
  draw(cr, set, "sm_tab.png", 240, 196, tab);
  Draw grey = tab;
  grey.r = grey.g = grey.b = 100 / 255.0;
  draw(cr, set, "sm_tab.png", 240, 255, grey);
  draw(cr, set, "sm_tab.png", 240, 314, tab);
  text(cr, "RUN GAME", 240, 121, 24, 0, 1, 0);
  text(cr, "CHANGE MODE", 240, 180, 24, 0, 0.6, 0);
  text(cr, "DEFAULT", 240, 239, 24, 1, 1, 0);
  text(cr, "QUIT", 240, 298, 24, 0, 0.6, 0);
  return finish(s, cr, path);
}

std::string write_portraits(const ImageSet& set, const std::string& path) {
  std::vector<std::string> names;
  for (const auto& [name, surf] : set.all())
    if (name.rfind("face_", 0) == 0) names.push_back(name);
  const double k = 1.5;
  const int cols = 4, cell = static_cast<int>(184 * k) + 8;
  int rows = (static_cast<int>(names.size()) + cols - 1) / cols;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cols * cell, std::max(1, rows) * (cell + 14));
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0.12, 0.12, 0.14);
  cairo_paint(cr);
  for (size_t i = 0; i < names.size(); ++i) {
    double x = (i % cols) * cell + 4, y = (i / cols) * (cell + 14) + 4;
    label(cr, names[i], x, y + 10);
    Draw d;
    d.sx = d.sy = k;
    draw(cr, set, names[i], x, y + 14, d);
  }
  return finish(s, cr, path);
}

}  // namespace contactsheet
