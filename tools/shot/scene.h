// Scenes of the screenshot tool. A scene draws one picture into the open
// 1024 x 768 display; the tool saves the back buffer afterwards. Add one
// with SHOT_SCENE("name", "what it shows") { ...drawing... } in any .cpp
// file under tools/shot/.
#pragma once

#include <map>
#include <string>

namespace shot {

using SceneFn = void (*)();

struct Scene {
  std::string about;
  SceneFn draw;
};

std::map<std::string, Scene>& scenes();

struct SceneRegistrar {
  SceneRegistrar(const char* name, const char* about, SceneFn fn) { scenes()[name] = {about, fn}; }
};

// Loads the image fonts and the panel/frame images from the archive.
void load_text_assets();

// Every image and sound, the complex as the map gives it with no creatures,
// slime or effects, open exits, and the generator at 907.
void load_scene_complex();
// Six members in the base room, member 1 controlled (and member 4 by
// player 2), every setting on, the drawing counters at rest.
void place_scene_squad(int players);

}  // namespace shot

#define SHOT_CAT2(a, b) a##b
#define SHOT_CAT(a, b) SHOT_CAT2(a, b)
#define SHOT_SCENE(name, about)                                                         \
  static void SHOT_CAT(shot_scene_, __LINE__)();                                        \
  static const shot::SceneRegistrar SHOT_CAT(shot_reg_, __LINE__)(name, about,          \
                                                                  SHOT_CAT(shot_scene_, __LINE__)); \
  static void SHOT_CAT(shot_scene_, __LINE__)()
