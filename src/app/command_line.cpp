#include "app/command_line.h"

#include <cstring>

#include "platform/platform.h"

namespace {

// A flag of the form --name=value: the value when arg names that flag.
bool valueof(const char* arg, const char* name, std::string& value) {
  const size_t n = std::strlen(name);
  if (std::strncmp(arg, name, n) != 0 || arg[n] != '=') return false;
  value = arg + n + 1;
  return true;
}

int renderernamed(const std::string& name) {
  if (name == "default") return plat::RendererDefault;
  if (name == "opengl") return plat::RendererOpenGL;
  if (name == "software") return plat::RendererSoftware;
  return -1;
}

int scalenamed(const std::string& name) {
  if (name == "smooth") return plat::ScaleSmooth;
  if (name == "sharp") return plat::ScaleSharp;
  return -1;
}

}  // namespace

LaunchOptions parsecommandline(int argc, const char* const* argv) {
  LaunchOptions o;
  for (int i = 1; i < argc && o.error.empty(); ++i) {
    const char* arg = argv[i];
    std::string value;
    if (!std::strcmp(arg, "--help") || !std::strcmp(arg, "-h")) {
      o.help = true;
    } else if (!std::strcmp(arg, "--version")) {
      o.version = true;
    } else if (!std::strcmp(arg, "--windowed")) {
      o.windowmode = 0;
    } else if (!std::strcmp(arg, "--demo")) {
      o.demo = true;
    } else if (!std::strcmp(arg, "--no-rumble")) {
      o.rumble = false;
    } else if (!std::strcmp(arg, "--fullscreen")) {
      o.windowmode = 1;
    } else if (!std::strcmp(arg, "--user-files")) {
      o.userfiles = true;
    } else if (!std::strcmp(arg, "--play") || !std::strcmp(arg, "--verify")) {
      // A recording's file follows as the next argument.
      std::string& file = arg[2] == 'p' ? o.playfile : o.verifyfile;
      if (i + 1 < argc) file = argv[++i];
      if (file.empty()) o.error = std::string(arg) + " needs a recording's file";
    } else if (valueof(arg, "--data-dir", value)) {
      o.datadir = value;
      if (value.empty()) o.error = "--data-dir needs a folder";
    } else if (valueof(arg, "--renderer", value)) {
      o.renderer = renderernamed(value);
      if (o.renderer < 0) o.error = "unknown renderer '" + value + "' (default, opengl or software)";
    } else if (valueof(arg, "--scale", value)) {
      o.scale = scalenamed(value);
      if (o.scale < 0) o.error = "unknown scaling '" + value + "' (smooth or sharp)";
    } else {
      o.error = std::string("unknown option '") + arg + "'";
    }
  }
  return o;
}

std::string usagetext() {
  return "usage: rx907 [options]\n"
         "  -h, --help             show this text and exit\n"
         "  --version              show the version and exit\n"
         "  --windowed             play in a 1024 x 768 window\n"
         "  --fullscreen           play full screen (the default)\n"
         "  --demo                 start a demo (the machine plays) at MAIN MENU\n"
         "  --no-rumble            pads never shake\n"
         "  --renderer=default|opengl|software\n"
         "                         the renderer for this run, instead of the\n"
         "                         start-up window's choice (api.dat is kept)\n"
         "  --scale=smooth|sharp   how the picture is scaled to the screen:\n"
         "                         filtered, or nearest-neighbour (whole\n"
         "                         factors where they fit)\n"
         "  --user-files           keep the files below in the per-user folder\n"
         "  --data-dir=DIR         keep the files below in DIR\n"
         "  --play FILE            play a recording (replays/) in the window\n"
         "  --verify FILE          play a recording headless; exit 0 when it\n"
         "                         plays as recorded, 1 otherwise\n"
         "Alt+Enter switches between full screen and a window; Print Screen (or\n"
         "F12 while no action is bound to it) saves a picture in screenshots/.\n"
         "Files: api.dat (the renderer), opt.dat (settings and keys), intro.dat\n"
         "(the controls card was shown), saves/, replays/ and screenshots/ are\n"
         "kept in the current folder when the game runs from its source tree\n"
         "(run/ for make run); an installed game, or one started with\n"
         "--user-files, keeps them in $XDG_DATA_HOME/rx907/ (by default\n"
         "~/.local/share/rx907/), created on the first start.\n";
}

std::string versiontext() { return "RX-907 v" RX_VERSION "\n"; }
