// Game frames per wall second of a benchmark scene in a real window: the lit
// one-player frame or the heaviest two-player frame, simulated, drawn and
// presented on the game's 60 Hz schedule, as play runs them. The figure is
// mission-clock frames per wall second, so a machine that cannot keep up
// shows below 60 and the pacing holds it from going above. Beside it: the
// program's processor time over the run as a share of one core (every
// thread, the OpenGL drawing threads included), and the time from one
// present to the next at the 50th, 99th and 99.9th percentiles and at worst.
// A present's time is when the frame is handed to the window system after
// its paced wait: on one core the X server may take the processor the
// moment it is handed a frame, and the game's own return from the present
// comes late by the server's work although the frame was shown on time.
//
//   scene_fps lit|heaviest SECONDS [--renderer=default|opengl|software]
//             [--windowed] [--sharp]
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "../scene.h"

using namespace benchscene;

namespace {

double cpuseconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The value below which the fraction q of the sorted intervals lie.
double percentile(const std::vector<double>& sorted, double q) {
  if (sorted.empty()) return 0;
  const size_t at = std::min(sorted.size() - 1, static_cast<size_t>(q * static_cast<double>(sorted.size())));
  return sorted[at];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: scene_fps lit|heaviest SECONDS [--renderer=default|opengl|software] [--windowed] [--sharp]\n");
    return 2;
  }
  const std::string scene = argv[1];
  const double seconds = std::atof(argv[2]);
  int renderer = plat::RendererDefault;
  bool fullscreen = true;
  for (int i = 3; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--renderer=opengl") renderer = plat::RendererOpenGL;
    else if (a == "--renderer=software") renderer = plat::RendererSoftware;
    else if (a == "--windowed") fullscreen = false;
    else if (a == "--sharp") plat::set_scale_quality(plat::ScaleSharp);
    else if (a != "--renderer=default") {
      std::fprintf(stderr, "scene_fps: unknown option %s\n", a.c_str());
      return 2;
    }
  }
  if (scene != "lit" && scene != "heaviest") {
    std::fprintf(stderr, "scene_fps: no scene %s\n", scene.c_str());
    return 2;
  }
  if (!plat::init(false) || !plat::open_display(1024, 768, fullscreen ? 32 : 0, 60, renderer)) {
    std::fprintf(stderr, "scene_fps: no display\n");
    return 1;
  }
  loadeverything();
  if (scene == "lit") litscene();
  else heavyscene();

  // A second of play first, so the window has settled and first-use
  // caches are made before the figures start.
  using clock = std::chrono::steady_clock;
  for (const auto settle = clock::now(); std::chrono::duration<double>(clock::now() - settle).count() < 1.0;) {
    updateinput();
    simstep();
    drawframe();
    plat::flip(true);
  }
  std::vector<double> intervals;
  intervals.reserve(static_cast<size_t>(seconds * 70) + 16);
  const auto start = clock::now();
  const double cpu0 = cpuseconds();
  const int clock0 = teamstat[teamrow][statclock];
  double elapsed = 0, handed = plat::present_counts().handed_ms;
  while (elapsed < seconds) {
    updateinput();  // keeps the window answering its events, as play does
    simstep();
    drawframe();
    plat::flip(true);
    elapsed = std::chrono::duration<double>(clock::now() - start).count();
    const double now = plat::present_counts().handed_ms;
    intervals.push_back(now - handed);
    handed = now;
  }
  const double cpu = cpuseconds() - cpu0;
  std::sort(intervals.begin(), intervals.end());
  int w = 0, h = 0;
  plat::desktop_size(w, h);
  const char* names[] = {"default", "opengl", "software"};
  const int used = plat::renderer_in_use();
  std::printf("%s, renderer %s, %s, %s %dx%d: %.1f game frames per wall second over %.1f s, CPU %.0f %% of one core, "
              "present to present p50 %.1f ms p99 %.1f ms p99.9 %.1f ms worst %.1f ms\n",
              scene.c_str(), used >= 0 && used <= 2 ? names[used] : "?",
              plat::scale_quality_in_use() == plat::ScaleSharp ? "sharp" : "smooth",
              fullscreen ? "full screen" : "window on", w, h, (teamstat[teamrow][statclock] - clock0) / elapsed, elapsed,
              100.0 * cpu / elapsed, percentile(intervals, 0.5), percentile(intervals, 0.99),
              percentile(intervals, 0.999), intervals.empty() ? 0.0 : intervals.back());
  plat::close_display();
  return 0;
}
