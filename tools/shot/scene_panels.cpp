// "panels": the menu panel with each anchor, a tooltip pushed against the
// screen edges, and the use-prompt bracket box.
#include "state/assets.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/panel.h"
#include "render/text.h"
#include "scene.h"

SHOT_SCENE("panels", "menu panels, tooltips and the bracket box") {
  shot::load_text_assets();
  plat::set_cls_colour(40, 46, 56);
  plat::cls();

  panel(40, 40, 420, 300, 0);
  drawbigtext(250, 60, "MAIN MENU", 1);
  plat::set_colour(0, 150, 0);
  drawbigtext(250, 120, "NEW GAME", 1);
  drawbigtext(250, 170, "LOAD GAME", 1);
  drawbigtext(250, 220, "OPTIONS", 1);
  plat::set_colour(255, 255, 255);
  drawsmalltext(50, 320, "panel anchor 0 at (40, 40)", 0, 1);

  panel(760, 190, 400, 300, 1);
  drawtext2(760, 60, "CENTRED", 1);
  drawsmalltext(760, 320, "panel anchor 1 centred on (760, 190)", 1, 1);

  panel(512, 400, 600, 140, 2);
  drawbigtextsmall(512, 420, "ANCHOR 2: TOP CENTRE", 1);

  tooltip(10, 600, "Brody", "Accuracy 80  Stamina 65", 1);
  tooltip(512, 600, "Medical room", "Heals the squad over time", 1);
  tooltip(1010, 600, "Exit", "Pushed back on screen", 1);

  plat::set_colour(255, 255, 0);
  drawbracketbox(420, 680, 180, 60, 80);
  plat::set_colour(255, 255, 255);
  drawsmalltext(510, 705, "bracket box", 1, 1);
}
