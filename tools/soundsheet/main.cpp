// soundsheet: the listening sheet of the generated audio.
//
//   soundsheet [CONTENT_DIR] [--out DIR]
//
// For every effect in CONTENT_DIR/data/sfx and every track in
// CONTENT_DIR/data/music it writes DIR/<name>.png (a spectrogram on a
// logarithmic frequency axis over the loudness curve), DIR/effects.png and
// DIR/music.png (all of them on one sheet each) and DIR/figures.txt: the
// loudest 100 ms and 400 ms A-weighted levels of every effect, and the
// integrated loudness, loudness range and key of every track; then the finer
// meters: each effect's true peak, its K-weighted level beside the
// A-weighted one, its share of energy at 150-800 Hz and of A-weighted energy
// at 2-5 kHz, the largest 3 ms fall in its decay and its strongest tone;
// the three gunshots' likeness of colour; the creatures' onsets, whistle
// and growl shares and their most alike pair; the gun's thump; the
// generator against the median effect and the door's length; and each track's loudness either
// side of its loop point, the level of its 4 kHz octave under its loudest
// octave, and the loudness of each quarter.
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "measure/chroma.h"
#include "measure/fft.h"
#include "measure/loudness.h"
#include "measure/meters.h"
#include "measure/ogg_read.h"
#include "sounds/wav_read.h"

namespace fs = std::filesystem;
using namespace contentgen;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kLowHz = 40.0;
constexpr double kFloorDb = -80.0;

struct Clip {
  std::string name;
  int rate = 0;
  std::vector<float> mono;
  bool music = false;
  std::string caption;
};

// Black through blue, red and yellow to white as the level rises.
void heat(double u, double& r, double& g, double& b) {
  u = std::clamp(u, 0.0, 1.0);
  r = std::clamp(u * 3.0 - 1.0, 0.0, 1.0);
  g = std::clamp(u * 3.0 - 2.0, 0.0, 1.0) * 0.8 + std::clamp(u * 3.0 - 1.5, 0.0, 1.0) * 0.2;
  b = u < 0.33 ? u * 3.0 : std::clamp(1.0 - (u - 0.33) * 3.0, 0.0, 1.0) + std::clamp(u * 3.0 - 2.5, 0.0, 1.0) * 2.0;
}

// Level over time: A-weighted 100 ms windows for effects, K-weighted
// 400 ms for music, one value per column.
std::vector<double> level_curve(const Clip& c, int columns) {
  auto w = measure::weighted(c.mono, c.rate, c.music ? measure::Curve::K : measure::Curve::A);
  size_t win = static_cast<size_t>((c.music ? 0.4 : 0.1) * c.rate);
  std::vector<double> prefix(w.size() + 1, 0.0);
  for (size_t i = 0; i < w.size(); ++i) prefix[i + 1] = prefix[i] + w[i] * w[i];
  std::vector<double> out(static_cast<size_t>(columns));
  for (int x = 0; x < columns; ++x) {
    size_t at = c.mono.size() * static_cast<size_t>(x) / static_cast<size_t>(columns);
    size_t end = std::min(w.size(), at + win);
    double ms = (prefix[end] - prefix[at]) / static_cast<double>(win);
    out[static_cast<size_t>(x)] = ms > 1e-12 ? 10.0 * std::log10(ms) + (c.music ? -0.691 : 0.0) : kFloorDb;
  }
  return out;
}

void draw_clip(cairo_t* cr, const Clip& c, double x0, double y0, double w, double h) {
  const int cols = static_cast<int>(w), spec_h = static_cast<int>(h * 0.72), curve_h = static_cast<int>(h) - spec_h - 14;
  const size_t frame = c.music ? 4096 : 512;
  std::vector<std::complex<double>> buf(frame);
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cols, spec_h);
  unsigned char* px = cairo_image_surface_get_data(img);
  int stride = cairo_image_surface_get_stride(img);
  double nyquist = c.rate / 2.0;
  for (int x = 0; x < cols; ++x) {
    size_t centre = c.mono.size() * static_cast<size_t>(x) / static_cast<size_t>(cols);
    for (size_t i = 0; i < frame; ++i) {
      long at = static_cast<long>(centre + i) - static_cast<long>(frame / 2);
      double s = at >= 0 && at < static_cast<long>(c.mono.size()) ? c.mono[static_cast<size_t>(at)] : 0.0;
      buf[i] = s * (0.5 - 0.5 * std::cos(2 * kPi * i / frame));
    }
    measure::fft(buf);
    for (int y = 0; y < spec_h; ++y) {
      double hz = kLowHz * std::pow(nyquist / kLowHz, 1.0 - static_cast<double>(y) / spec_h);
      size_t bin = std::min(frame / 2 - 1, static_cast<size_t>(hz * frame / c.rate));
      double db = 20.0 * std::log10(std::abs(buf[bin]) / (frame / 4.0) + 1e-9);
      double r, g, b;
      heat((db - kFloorDb) / -kFloorDb, r, g, b);
      unsigned char* p = px + y * stride + x * 4;
      p[0] = static_cast<unsigned char>(b * 255);
      p[1] = static_cast<unsigned char>(g * 255);
      p[2] = static_cast<unsigned char>(r * 255);
    }
  }
  cairo_surface_mark_dirty(img);
  cairo_set_source_surface(cr, img, x0, y0 + 14);
  cairo_paint(cr);
  cairo_surface_destroy(img);

  // Guide lines at 100 Hz, 1 kHz and 10 kHz.
  cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
  cairo_set_line_width(cr, 1);
  for (double hz : {100.0, 1000.0, 10000.0}) {
    if (hz >= nyquist) continue;
    double y = y0 + 14 + spec_h * (1.0 - std::log(hz / kLowHz) / std::log(nyquist / kLowHz));
    cairo_move_to(cr, x0, y + 0.5);
    cairo_line_to(cr, x0 + cols, y + 0.5);
  }
  cairo_stroke(cr);

  // Loudness curve, -60..0 dB, with lines every 12 dB.
  double cy = y0 + 14 + spec_h;
  cairo_set_source_rgb(cr, 0.08, 0.08, 0.1);
  cairo_rectangle(cr, x0, cy, cols, curve_h);
  cairo_fill(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.2);
  for (int db = 0; db >= -60; db -= 12) {
    double y = cy + curve_h * (-db / 60.0);
    cairo_move_to(cr, x0, y + 0.5);
    cairo_line_to(cr, x0 + cols, y + 0.5);
  }
  cairo_stroke(cr);
  std::vector<double> lv = level_curve(c, cols);
  cairo_set_source_rgb(cr, 0.3, 1.0, 0.4);
  for (int x = 0; x < cols; ++x) {
    double y = cy + curve_h * std::clamp(-lv[static_cast<size_t>(x)] / 60.0, 0.0, 1.0);
    if (x == 0) cairo_move_to(cr, x0, y);
    else cairo_line_to(cr, x0 + x, y);
  }
  cairo_stroke(cr);

  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  cairo_move_to(cr, x0 + 2, y0 + 11);
  cairo_show_text(cr, (c.name + "  " + c.caption).c_str());
}

bool write_sheet(const fs::path& file, const std::vector<const Clip*>& clips, int columns, double cell_w, double cell_h) {
  int rows = static_cast<int>((clips.size() + columns - 1) / columns);
  int width = static_cast<int>(columns * (cell_w + 8) + 8), height = static_cast<int>(rows * (cell_h + 8) + 8);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0.18, 0.18, 0.2);
  cairo_paint(cr);
  for (size_t i = 0; i < clips.size(); ++i) {
    double x = 8 + (i % columns) * (cell_w + 8), y = 8 + (i / columns) * (cell_h + 8);
    draw_clip(cr, *clips[i], x, y, cell_w, cell_h);
  }
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(s, file.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

std::string fixed(double v) {
  char t[32];
  std::snprintf(t, sizeof t, "%.1f", v);
  return t;
}

const Clip* find_clip(const std::vector<Clip>& clips, const std::string& name) {
  for (const Clip& c : clips)
    if (c.name == name) return &c;
  return nullptr;
}

bool is_creature(const std::string& n) { return n.rfind("attack_", 0) == 0 || (n.rfind("death_", 0) == 0 && n != "death_6"); }

// The creatures' cries: how fast each reaches full strength, how much of it
// is whistle (2-5 kHz, A-weighted) and how much growl (300-1000 Hz), and
// the most alike pair by colour (third-octave shape).
std::string creature_figures(const std::vector<Clip>& effects) {
  std::string out = "\ncreature          onset ms  2-5k(A)  300-1k(A)\n";
  std::vector<const Clip*> cries;
  for (const Clip& c : effects)
    if (is_creature(c.name)) cries.push_back(&c);
  for (const Clip* c : cries) {
    char line[120];
    std::snprintf(line, sizeof line, "%-16s  %8.0f  %6.0f%%  %8.0f%%\n", c->name.c_str(), 1000 * measure::onset_s(c->mono, c->rate),
                  100 * measure::band_share(c->mono, c->rate, 2000, 5000, true),
                  100 * measure::band_share(c->mono, c->rate, 300, 1000, true));
    out += line;
  }
  double worst = -2;
  std::string pair;
  for (size_t a = 0; a < cries.size(); ++a)
    for (size_t b = a + 1; b < cries.size(); ++b) {
      double r = measure::shape_correlation(measure::third_octave_shape(cries[a]->mono, cries[a]->rate),
                                            measure::third_octave_shape(cries[b]->mono, cries[b]->rate));
      if (r > 0.9) out += "  alike above 0.9: " + cries[a]->name + " and " + cries[b]->name + "\n";
      if (r > worst) {
        worst = r;
        pair = cries[a]->name + " and " + cries[b]->name;
      }
    }
  char line[160];
  std::snprintf(line, sizeof line, "most alike creature sounds by colour: %s, r = %.2f\n", pair.c_str(), worst);
  out += line;
  const Clip *far1 = find_clip(effects, "death_1x"), *far2 = find_clip(effects, "death_2x");
  if (far1 && far2) {
    std::snprintf(line, sizeof line, "the two far deaths by colour: r = %.2f\n",
                  measure::shape_correlation(measure::third_octave_shape(far1->mono, far1->rate),
                                             measure::third_octave_shape(far2->mono, far2->rate)));
    out += line;
  }
  return out;
}

// The gun's weight: its thump band and what lies under 150 Hz.
std::string gun_figures(const std::vector<Clip>& effects) {
  std::string out = "\ngun               <150 Hz  80-120 Hz  seconds  rate\n";
  for (const char* n : {"shoot_1", "shoot_2", "shoot_3"})
    if (const Clip* c = find_clip(effects, n)) {
      char line[120];
      std::snprintf(line, sizeof line, "%-16s  %6.1f%%  %8.1f%%  %7.2f  %d\n", n, 100 * measure::band_share(c->mono, c->rate, 20, 150, false),
                    100 * measure::band_share(c->mono, c->rate, 80, 120, false), static_cast<double>(c->mono.size()) / c->rate,
                    c->rate);
      out += line;
    }
  return out;
}

// The generator against the median effect (loudest 400 ms, A-weighted),
// and the door's length and how long it stays within 20 dB of its peak.
std::string level_figures(const std::vector<Clip>& effects) {
  std::vector<double> loudest;
  for (const Clip& c : effects) loudest.push_back(measure::effect_level(c.mono, c.rate).loudest_400ms);
  if (loudest.empty()) return "";
  std::sort(loudest.begin(), loudest.end());
  const double median = loudest.size() % 2 ? loudest[loudest.size() / 2]
                                           : 0.5 * (loudest[loudest.size() / 2 - 1] + loudest[loudest.size() / 2]);
  std::string out;
  char line[160];
  if (const Clip* g = find_clip(effects, "generator")) {
    std::snprintf(line, sizeof line, "\ngenerator loudest 400 ms %.1f dB(A), median effect %.1f dB(A): %+.1f dB\n",
                  measure::effect_level(g->mono, g->rate).loudest_400ms, median,
                  measure::effect_level(g->mono, g->rate).loudest_400ms - median);
    out += line;
  }
  if (const Clip* d = find_clip(effects, "door")) {
    // The last 10 ms window within 20 dB of the loudest.
    std::vector<double> w = measure::weighted(d->mono, d->rate, measure::Curve::A);
    const size_t win = static_cast<size_t>(0.01 * d->rate);
    std::vector<double> lv;
    for (size_t at = 0; at + win <= w.size(); at += win) {
      double acc = 0;
      for (size_t i = at; i < at + win; ++i) acc += w[i] * w[i];
      lv.push_back(10 * std::log10(acc / win + 1e-20));
    }
    double top = lv.empty() ? 0 : *std::max_element(lv.begin(), lv.end());
    size_t last = 0;
    for (size_t k = 0; k < lv.size(); ++k)
      if (lv[k] >= top - 20) last = k;
    std::snprintf(line, sizeof line, "door lasts %.2f s, within 20 dB of its peak until %.2f s\n",
                  static_cast<double>(d->mono.size()) / d->rate, (last + 1) * 0.01);
    out += line;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path content = "content", out = "soundsheet";
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--out") && i + 1 < argc) out = argv[++i];
    else if (argv[i][0] != '-') content = argv[i];
    else {
      std::fprintf(stderr, "usage: soundsheet [CONTENT_DIR] [--out DIR]\n");
      return 2;
    }
  }
  std::vector<fs::path> wavs, oggs;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(content / "data" / "sfx", ec))
    if (e.path().extension() == ".wav") wavs.push_back(e.path());
  for (const auto& e : fs::directory_iterator(content / "data" / "music", ec))
    if (e.path().extension() == ".ogg") oggs.push_back(e.path());
  std::sort(wavs.begin(), wavs.end());
  std::sort(oggs.begin(), oggs.end());
  if (wavs.empty() && oggs.empty()) {
    std::fprintf(stderr, "soundsheet: no sounds under %s\n", content.c_str());
    return 1;
  }
  fs::create_directories(out);

  std::string table = "effect            100ms dB(A)  400ms dB(A)  heard  peak dBFS  seconds\n";
  std::vector<Clip> effects, tracks;
  std::string music_meters;
  for (const fs::path& p : wavs) {
    std::ifstream f(p, std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    sfx::WavData w;
    if (!sfx::read_wav(bytes, w)) {
      std::fprintf(stderr, "soundsheet: %s is not a readable WAV\n", p.c_str());
      continue;
    }
    measure::EffectLevel lv = measure::effect_level(w.samples, w.rate);
    float pk = 0;
    for (float s : w.samples) pk = std::max(pk, std::fabs(s));
    double seconds = static_cast<double>(w.samples.size()) / w.rate;
    char line[160];
    std::snprintf(line, sizeof line, "%-16s  %11.1f  %11.1f  %5.1f  %8.1f  %7.2f\n", p.stem().c_str(),
                  lv.loudest_100ms, lv.loudest_400ms, lv.heard(), 20 * std::log10(std::max(pk, 1e-6f)), seconds);
    table += line;
    effects.push_back({p.stem().string(), w.rate, std::move(w.samples), false,
                       fixed(lv.loudest_100ms) + " / " + fixed(lv.loudest_400ms) + " dB(A)"});
  }
  table += "\neffect            dBTP  K-A dB  150-800  2-5k(A)  step dB  tone>1k Hz  tone/noise  tone(A)\n";
  for (const Clip& c : effects) {
    double a = measure::effect_level(c.mono, c.rate).heard();
    double k = measure::effect_level(c.mono, c.rate, measure::Curve::K).heard();
    measure::Tone t = measure::strongest_tone(c.mono, c.rate, 1000.0, 8000.0);
    char line[200];
    std::snprintf(line, sizeof line, "%-16s  %5.1f  %6.1f  %6.0f%%  %6.0f%%  %7.1f  %7.0f  %10.1f  %6.0f%%\n", c.name.c_str(),
                  measure::true_peak_db(c.mono), k - a, 100 * measure::band_share(c.mono, c.rate, 150, 800, false),
                  100 * measure::band_share(c.mono, c.rate, 2000, 5000, true),
                  measure::largest_tail_step_db(c.mono, c.rate), t.hz, t.above_noise_db, 100 * t.a_share);
    table += line;
  }
  {
    std::vector<std::array<double, 20>> guns;
    for (const Clip& c : effects)
      if (c.name.rfind("shoot_", 0) == 0) guns.push_back(measure::third_octave_shape(c.mono, c.rate));
    for (size_t a = 0; a < guns.size(); ++a)
      for (size_t b = a + 1; b < guns.size(); ++b) {
        char line[80];
        std::snprintf(line, sizeof line, "gunshot colour, takes %zu and %zu: r = %.2f\n", a + 1, b + 1,
                      measure::shape_correlation(guns[a], guns[b]));
        table += line;
      }
    for (const Clip& c : effects)
      if (c.name == "door") {
        char line[80];
        std::snprintf(line, sizeof line, "door hiss (2-5 kHz) lasts %.2f s\n", measure::band_duration_s(c.mono, c.rate, 2000, 5000));
        table += line;
      }
  }
  table += creature_figures(effects);
  table += gun_figures(effects);
  table += level_figures(effects);
  table += "\ntrack          integrated LUFS  range LU  key      seconds\n";
  for (const fs::path& p : oggs) {
    measure::StereoPcm pcm;
    if (!measure::read_ogg(p.string(), pcm)) {
      std::fprintf(stderr, "soundsheet: %s does not decode\n", p.c_str());
      continue;
    }
    measure::ProgrammeLoudness pl = measure::programme_loudness(pcm.left, pcm.right, pcm.rate);
    std::vector<float> mono(pcm.left.size());
    for (size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (pcm.left[i] + pcm.right[i]);
    measure::Key key = measure::key_of(measure::chromagram(mono, pcm.rate));
    std::string key_name = measure::pitch_class_name(key.tonic) + (key.minor ? " minor" : " major");
    char line[160];
    std::snprintf(line, sizeof line, "%-13s  %15.1f  %8.1f  %-8s %7.1f\n", p.stem().c_str(), pl.integrated, pl.range,
                  key_name.c_str(), static_cast<double>(mono.size()) / pcm.rate);
    table += line;
    measure::Seam seam = measure::seam_loudness(pcm.left, pcm.right, pcm.rate);
    std::string quarters;
    const size_t quarter = pcm.left.size() / 4;
    for (size_t q = 0; q < 4; ++q) {
      auto from = static_cast<std::ptrdiff_t>(q * quarter), to = static_cast<std::ptrdiff_t>((q + 1) * quarter);
      double lq = measure::programme_loudness(std::vector<float>(pcm.left.begin() + from, pcm.left.begin() + to),
                                              std::vector<float>(pcm.right.begin() + from, pcm.right.begin() + to),
                                              pcm.rate).integrated;
      quarters += ' ';
      quarters += fixed(lq);
    }
    music_meters += p.stem().string() + ": seam " + fixed(seam.before) + " -> " + fixed(seam.after) +
                    " LUFS (3 s short-term), 4 kHz octave " + fixed(measure::octave_4k_below_loudest_db(mono, pcm.rate)) +
                    " dB under the loudest, quarters" + quarters + " LUFS\n";
    tracks.push_back({p.stem().string(), pcm.rate, std::move(mono), true,
                      fixed(pl.integrated) + " LUFS, LRA " + fixed(pl.range) + " LU, " + key_name});
  }

  table += "\n" + music_meters;
  bool ok = true;
  std::vector<const Clip*> fx, mu;
  for (const Clip& c : effects) {
    ok &= write_sheet(out / (c.name + ".png"), {&c}, 1, 900, 300);
    fx.push_back(&c);
  }
  for (const Clip& c : tracks) {
    ok &= write_sheet(out / (c.name + ".png"), {&c}, 1, 1400, 360);
    mu.push_back(&c);
  }
  if (!fx.empty()) ok &= write_sheet(out / "effects.png", fx, 5, 330, 170);
  if (!mu.empty()) ok &= write_sheet(out / "music.png", mu, 1, 1400, 260);
  std::ofstream(out / "figures.txt") << table;
  std::fputs(table.c_str(), stdout);
  return ok ? 0 : 1;
}
