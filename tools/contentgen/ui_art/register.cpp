#include "registry.h"
#include "ui_art.h"

namespace contentgen {

namespace ui {
std::string gfx(const std::string& file) { return "data\\gfx\\" + file; }
}  // namespace ui

void register_ui_art(Registry& reg) {
  ui::add_console_frames(reg);
  ui::add_minimap_and_compass(reg);
  ui::add_console_panels(reg);
  ui::add_menu_art(reg);
  ui::add_startup_art(reg);
  ui::add_portraits(reg);
}

}  // namespace contentgen
