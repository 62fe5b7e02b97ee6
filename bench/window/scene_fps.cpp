// Game frames per wall second of a benchmark scene in a real window: the lit
// one-player frame or the heaviest two-player frame, simulated, drawn and
// presented on the game's 60 Hz schedule, as play runs them. The figure is
// mission-clock frames per wall second, so a machine that cannot keep up
// shows below 60 and the pacing holds it from going above.
//
//   scene_fps lit|heaviest SECONDS [--renderer=default|opengl|software]
//             [--windowed] [--sharp]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "../scene.h"

using namespace benchscene;

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

  using clock = std::chrono::steady_clock;
  const auto start = clock::now();
  const int clock0 = teamstat[teamrow][statclock];
  double elapsed = 0;
  while (elapsed < seconds) {
    updateinput();  // keeps the window answering its events, as play does
    simstep();
    drawframe();
    plat::flip(true);
    elapsed = std::chrono::duration<double>(clock::now() - start).count();
  }
  int w = 0, h = 0;
  plat::desktop_size(w, h);
  std::printf("%s, renderer %d, %s %dx%d: %.1f game frames per wall second over %.1f s\n", scene.c_str(),
              plat::renderer_in_use(), fullscreen ? "full screen" : "window on", w, h,
              (teamstat[teamrow][statclock] - clock0) / elapsed, elapsed);
  plat::close_display();
  return 0;
}
