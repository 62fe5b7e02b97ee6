// The start-up load list: every image and sound of the asset tables, in the
// order they are loaded, with the load options and reference point of each.
// load_all_assets() walks these lists; tests walk them too, to check that
// each entry came out as asked.
#pragma once

#include <string>
#include <vector>

// Where an image's handle (the point placed at the drawing position) goes.
enum class HandleRule {
  none,           // stays at (0, 0)
  centre,         // (width / 2, height / 2)
  fixed,          // (hx, hy)
  creatureshared  // the kind's shared attack/death handle, from its first attack frame
};

struct ImageLoad {
  int* slot;         // the handle variable or table entry to fill
  std::string file;  // file name under data\gfx
  int flags;         // 1 masked, 2 filtered, 3 both, -1 default
  int cellw = 0, cellh = 0, frames = 0;  // a strip when frames > 0
  HandleRule rule = HandleRule::none;
  int hx = 0, hy = 0;  // for Fixed
  int kind = 0;        // for CreatureShared: 1 warrior, 2 hugger, 3 queen
};

struct SoundLoad {
  int* slot;
  std::string file;  // file name under data\sfx
};

// The four image fonts, loaded before the loading screen.
const std::vector<ImageLoad>& font_load_plan();
// Every other image, in load order.
const std::vector<ImageLoad>& image_load_plan();
// Every sound, in load order.
const std::vector<SoundLoad>& sound_load_plan();

// Archive lookup names.
std::string gfx_path(const std::string& file);  // "incbin::data\gfx\" + file
std::string sfx_path(const std::string& file);  // "incbin::data\sfx\" + file

// The shared handle of a creature kind's attack and death frames, from the
// size of its first attack frame: x = width / 2, y = height x k rounded,
// with k = 0.127 (warrior), 0.364 (hugger), 0.244 (queen).
void creature_attack_handle(int kind, int width, int height, int& hx, int& hy);
