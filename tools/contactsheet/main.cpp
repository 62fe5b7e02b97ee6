// contactsheet: lays out every picture of the generated archive, each strip
// cut into its frames, with names, and composes mock screens of the console
// and the menus from the same pictures, so they can be judged by eye.
//
//   contactsheet [GFX_DIR] [--out DIR]
//
// GFX_DIR defaults to build/content/data/gfx, DIR to build/contact_sheets.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "images.h"
#include "sheets.h"

int main(int argc, char** argv) {
  std::string dir = "build/content/data/gfx", out = "build/contact_sheets";
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
      out = argv[++i];
    else if (argv[i][0] != '-')
      dir = argv[i];
    else {
      std::fprintf(stderr, "usage: contactsheet [GFX_DIR] [--out DIR]\n");
      return 2;
    }
  }
  contactsheet::ImageSet set(dir);
  if (set.all().empty()) {
    std::fprintf(stderr, "contactsheet: no pictures in %s\n", dir.c_str());
    return 1;
  }
  std::error_code ec;
  std::filesystem::create_directories(out, ec);
  if (!std::filesystem::is_directory(out)) {
    std::fprintf(stderr, "contactsheet: cannot write to %s\n", out.c_str());
    return 1;
  }
  auto sheets = contactsheet::write_contact_sheets(set, out + "/sheet", 2048, 2048);
  for (const auto& p : sheets) std::printf("%s\n", p.c_str());
  for (const std::string& p :
       {contactsheet::write_console_one(set, out + "/console_one.png"),
        contactsheet::write_console_two(set, out + "/console_two.png"),
        contactsheet::write_panels_open(set, out + "/panels_open.png"),
        contactsheet::write_menu_mock(set, out + "/menu.png"),
        contactsheet::write_portraits(set, out + "/portraits.png"),
        contactsheet::write_startup_mock(set, out + "/startup.png")}) {
    if (p.empty()) return 1;
    std::printf("%s\n", p.c_str());
  }
  return 0;
}
