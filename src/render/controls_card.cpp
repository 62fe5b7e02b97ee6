#include "render/controls_card.h"

#include <algorithm>

#include "state/play_state.h"
#include "state/settings.h"
#include "input/bindings.h"
#include "input/input.h"
#include "input/pad_controls.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/panel.h"
#include "render/text.h"

namespace {

constexpr float pitch = 24;  // line pitch of the large font at 0.66
constexpr float cardmargin = 16;  // above the first line and below the last
// Lines of the mission's goal, after the title: drawn in green.
constexpr size_t goallines = 4;

// What a player who plays with a pad by default presses for each action.
constexpr int padlayout[9] = {0, joyleft, joyup, joyright, joydown, plat::padbuttona, plat::padbuttonb,
                              plat::padleftshoulder, plat::padrightshoulder};

std::string bound(int p, int a) {
  if (const int pad = defaultpad(p); pad >= 0) return "JOY " + std::to_string(pad + 1) + " " + padbuttonname(padlayout[a]);
  const std::string name = bindingname(keys[p][a]);
  return name.empty() ? "NOT BOUND" : name;
}

// The four aiming keys, with a first word they share said once:
// "ARROW LEFT UP RIGHT DOWN", "JOY 1 LEFT UP RIGHT DOWN".
std::string aimkeys(int p) {
  if (const int pad = defaultpad(p); pad >= 0) return "JOY " + std::to_string(pad + 1) + " LEFT STICK OR D-PAD";
  std::string names[4];
  for (int i = 0; i < 4; ++i) names[i] = bound(p, actleft + i);
  size_t common = names[0].size();
  for (int i = 1; i < 4; ++i) {
    size_t n = 0;
    while (n < common && n < names[i].size() && names[i][n] == names[0][n]) ++n;
    common = n;
  }
  const size_t cut = names[0].rfind(' ', common == 0 ? 0 : common - 1);
  const size_t shared = (common == 0 || cut == std::string::npos) ? 0 : cut + 1;
  std::string line = names[0].substr(0, shared);
  for (int i = 0; i < 4; ++i) {
    if (i > 0) line += ' ';
    line.append(names[i], std::min(shared, names[i].size()), std::string::npos);
  }
  return line;
}

// One card: a dark framed box, a yellow title, the lines in white and the
// closing hint at the foot.
void drawcard(int p, float top, float height) {
  const std::vector<std::string> lines = controlscardlines(p);
  plat::set_origin(0, 0);
  plat::set_viewport(0, 0, 1024, 768);
  plat::set_rotation(0);
  plat::set_scale(1, 1);
  panel(142, top, 740, height, 0);
  plat::set_blend(plat::BlendMasked);
  plat::set_alpha(1);
  float y = top + 8;
  for (size_t i = 0; i < lines.size(); ++i) {
    const bool title = i == 0, last = i + 1 == lines.size();
    if (title || last) setcolourbright(255, 255, 0, 100);
    else if (i <= goallines) setcolourbright(120, 255, 120, 100);
    else setcolourbright(255, 255, 255, 100);
    if (title || last) drawbigtextsmall(512, y, lines[i], 1);
    else drawbigtextsmall(162, y, lines[i], 0);
    y += pitch;
  }
  setcolourbright(255, 255, 255, 100);
}

}  // namespace

std::vector<std::string> controlscardlines(int p) {
  const bool mouse = p == 1 && settings[setmouseaiming] == 1;
  std::vector<std::string> l;
  l.push_back(numplayers == 2 ? "PLAYER " + std::to_string(p) + " CONTROLS" : "CONTROLS");
  for (const std::string& g : missiongoallines()) l.push_back(g);
  if (mouse) {
    l.push_back("AIM: MOVE THE MOUSE");
    l.push_back("TURN: " + bound(p, actleft) + " AND " + bound(p, actright));
  } else {
    l.push_back("AIM: " + aimkeys(p));
    l.push_back("TURN: AIM PAST THE SIDE OF THE VIEW");
  }
  l.push_back("SHOOT: " + bound(p, actshoot));
  l.push_back("USE - DOORS AND THE COLONIST: " + bound(p, actuse));
  std::string members = "MEMBER: " + bound(p, actprev) + " AND " + bound(p, actnext);
  if (numplayers == 1) members += " OR 1 TO 6";
  l.push_back(members);
  l.push_back("PAUSE AND MISSION BOARD: P");
  l.push_back("QUICKSAVE: F5   QUICKLOAD: F9");
  l.push_back("ESCAPE: LEAVE TO THE MENU");
  l.push_back("PRESS ANY KEY TO START");
  return l;
}

std::vector<std::string> missiongoallines() {
  return {"GOAL: SHOOT THE SLIME OFF THE NEST WALLS", "IN ROOM 248 - THEN BRING EVERY LIVING",
          "MEMBER BACK TO BASE IN ROOM 1.", "CREDIT: KILLS - RESCUE - NEW ROOMS"};
}

void drawcontrolscard() {
  const float height = controlscardlines(1).size() * pitch + cardmargin;
  if (numplayers == 2) {
    drawcard(1, 4, height);
    drawcard(2, 4 + height + 8, height);
  } else {
    drawcard(1, 72, height);
  }
}
