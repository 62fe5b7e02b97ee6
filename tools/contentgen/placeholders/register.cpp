// Stand-in content for every archive entry, so that the game runs and every
// picture sits where it belongs before (or without) the real art. Each
// picture is drawn at its true size as a labelled outline in a colour that
// tells its family; strips get visibly different frames. Each sound is a
// short tone, sweep or noise burst of its own pitch. Art modules registered
// later replace these.
#include <algorithm>
#include <cmath>
#include <string>

#include "paint_kit/canvas.h"
#include "image_sizes.h"
#include "manifest.h"
#include "registry.h"
#include "wav.h"

namespace contentgen {

namespace {

bool starts_with(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }
bool ends_with(const std::string& s, const char* suffix) {
  std::string t = suffix;
  return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

// How the game keys out the background of a picture when it loads it.
enum class Background { Magenta, Black, White, Opaque };

Background background_of(const std::string& file) {
  if (file == "sm_back.png") return Background::Black;
  if (starts_with(file, "sm_") || file == "startblack.png") return Background::White;
  // Wall panels and the close-up load unmasked (filtered only).
  if ((starts_with(file, "tile_") && !starts_with(file, "tile_door")) || file == "colonist_big.png")
    return Background::Opaque;
  return Background::Magenta;
}

struct Rgb {
  double r, g, b;
};

// Family colours: creatures green, room fittings steel, slime and acid
// yellow-green, fonts amber, portraits skin, menus and console blue.
Rgb family_colour(const std::string& file) {
  static const char* creatures[] = {"alien", "hugger", "queen", "egg", "wren", "colonist"};
  for (const char* c : creatures)
    if (starts_with(file, c)) return {0.30, 0.75, 0.35};
  if (starts_with(file, "slime") || starts_with(file, "acid")) return {0.70, 0.85, 0.10};
  if (starts_with(file, "tile_") || file == "floor.png") return {0.55, 0.62, 0.72};
  if (starts_with(file, "font") || starts_with(file, "numbers")) return {1.00, 0.75, 0.20};
  if (starts_with(file, "face_")) return {0.90, 0.70, 0.55};
  if (starts_with(file, "sm_")) return {0.20, 0.60, 0.20};
  return {0.30, 0.55, 1.00};
}

// Things that stand in the room or float over it get a rounded silhouette
// that still touches every edge of the picture; plates and panels a block.
bool round_shape(const std::string& file) {
  static const char* round[] = {"alien", "hugger", "queen", "egg", "wren", "colonist_",
                                "acid_blast", "blast", "targ_", "invalid", "mm_you", "dot",
                                "bald", "indicator", "flashlight", "slime"};
  for (const char* r : round)
    if (starts_with(file, r)) return true;
  return false;
}

// One cell: a silhouette, its outline and a frame mark that moves with the
// frame number, plus the name where there is room for it.
void paint_cell(cairo_t* cr, const std::string& label, double x, double y, double w, double h,
                int frame, int frames, Rgb c, bool round) {
  double shade = frames > 1 ? 0.55 + 0.45 * frame / (frames - 1) : 1.0;
  double inset = std::min(w, h) > 8 ? 1.5 : 0.5;
  cairo_set_source_rgb(cr, c.r * shade * 0.45, c.g * shade * 0.45, c.b * shade * 0.45);
  if (round && std::min(w, h) >= 8) {
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, w / 2 - inset, h / 2 - inset);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
  } else {
    cairo_rectangle(cr, x + inset, y + inset, w - 2 * inset, h - 2 * inset);
  }
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, c.r * shade, c.g * shade, c.b * shade);
  cairo_set_line_width(cr, std::min(w, h) > 8 ? 2.0 : 1.0);
  cairo_stroke(cr);
  if (w >= 24 && h >= 24) {
    // A diagonal cross shows the middle and keeps the picture readable when scaled.
    cairo_move_to(cr, x + inset, y + inset);
    cairo_line_to(cr, x + w - inset, y + h - inset);
    cairo_move_to(cr, x + w - inset, y + inset);
    cairo_line_to(cr, x + inset, y + h - inset);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  }
  if (frames > 1) {
    // Frame mark: a bright bar whose position steps along the cell.
    double bw = std::max(1.0, w / frames);
    double bx = x + (w - bw) * frame / (frames - 1);
    cairo_set_source_rgb(cr, 1.0, 1.0 - 0.6 * frame / (frames - 1), 0.2);
    cairo_rectangle(cr, bx, y + h * 0.6, bw, std::max(1.0, h * 0.4));
    cairo_fill(cr);
  }
  if (w >= 40 && h >= 16) {
    double size = std::clamp(std::min(h / 3.0, w / (0.62 * label.size() + 1)), 6.0, 28.0);
    cairo_select_font_face(cr, "sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_move_to(cr, x + std::max(inset + 2, w * (round ? 0.2 : 0.0)), y + h / 2 + size / 3);
    cairo_show_text(cr, label.c_str());
  }
}

Bytes placeholder_picture(const ImageSize& size) {
  std::string file = size.file;
  Background bg = background_of(file);
  Canvas canvas(size.width, size.height);
  cairo_t* cr = canvas.cr();
  if (bg == Background::Opaque || file == "sm_back.png" || file == "startblack.png") {
    // Backgrounds and wall panels fill their whole area.
    if (file == "startblack.png")
      cairo_set_source_rgb(cr, 0.02, 0.02, 0.02);
    else
      cairo_set_source_rgb(cr, 0.12, 0.13, 0.16);
    cairo_paint(cr);
  }
  std::string label = file.substr(0, file.size() - 4);
  int cols = size.width / size.cellw;
  Rgb colour = family_colour(file);
  if (file != "startblack.png") {
    for (int f = 0; f < size.frames; ++f) {
      double x = (f % cols) * size.cellw, y = (f / cols) * size.cellh;
      std::string cell_label = size.frames > 1 ? std::to_string(f) : label;
      paint_cell(cr, cell_label, x, y, size.cellw, size.cellh, f, size.frames, colour,
                 round_shape(file));
    }
  }
  switch (bg) {
    case Background::Black: return canvas.png(kBlack);
    case Background::White: return canvas.png(kWhite);
    case Background::Opaque: return canvas.png_opaque();
    case Background::Magenta: break;
  }
  return canvas.png(kMagenta);
}

// A sound of its own for entry number index: shots and bursts are noise,
// deaths and power-downs fall, the rest are tones with a short vibrato.
Bytes placeholder_sound(const std::string& file, int index) {
  const int rate = 22050;
  bool noisy = starts_with(file, "shoot") || starts_with(file, "burst") || file == "acid.wav" ||
               file == "door.wav" || file == "dry.wav";
  bool falling = starts_with(file, "death") || starts_with(file, "pain") ||
                 file == "power_down.wav" || file == "pauseout.wav";
  double seconds = noisy ? 0.14 + 0.02 * (index % 4) : 0.30;
  double base = 180.0 * std::pow(2.0, index / 9.0);  // about a third of an octave apart
  size_t n = static_cast<size_t>(seconds * rate);
  std::vector<float> s(n);
  Noise noise(0x9e3779b9u + static_cast<uint32_t>(index) * 7919u);
  double phase = 0.0, low = 0.0;
  for (size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / rate;
    double u = static_cast<double>(i) / n;
    // 5 ms attack, then a decay to silence at the end: no clicks, no clipping.
    double env = std::min(1.0, t / 0.005) * (1.0 - u) * (1.0 - u);
    double v;
    if (noisy) {
      double white = noise.range(-1.0, 1.0);
      double k = 0.05 + 0.6 * (index % 5) / 4.0;  // a different colour of noise per sound
      low += k * (white - low);
      // A faint pitched ring under the noise tells the bursts apart.
      phase += 2 * M_PI * base * 2 / rate;
      v = 0.8 * low / (0.3 + k) + 0.25 * std::sin(phase);
    } else {
      double f = base * (falling ? (1.0 - 0.5 * u) : (1.0 + 0.02 * std::sin(2 * M_PI * 6 * t)));
      phase += 2 * M_PI * f / rate;
      v = std::sin(phase) + 0.3 * std::sin(2 * phase);
      v /= 1.3;
    }
    s[i] = static_cast<float>(std::clamp(0.6 * env * v, -0.9, 0.9));
  }
  return encode_wav(s, rate);
}

}  // namespace

void register_placeholders(Registry& reg) {
  int sound_index = 0;
  for (const auto& name : manifest()) {
    if (ends_with(name, ".png")) {
      const ImageSize* size = find_image_size(name);
      if (!size) continue;  // main reports a name without a generator
      ImageSize copy = *size;
      reg.add(name, [copy] { return placeholder_picture(copy); });
    } else if (ends_with(name, ".wav")) {
      std::string file = name.substr(name.rfind('\\') + 1);
      int index = sound_index++;
      reg.add(name, [file, index] { return placeholder_sound(file, index); });
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
