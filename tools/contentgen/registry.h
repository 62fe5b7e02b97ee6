// Every archive entry is made by a generator function registered under its
// archive name. Modules register in a fixed order; a later registration of
// the same name replaces the earlier one, so art modules override the
// simple placeholder pictures without touching them.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace contentgen {

using Bytes = std::vector<uint8_t>;
using Generator = std::function<Bytes()>;

class Registry {
 public:
  void add(const std::string& name, Generator make) { generators_[name] = std::move(make); }
  bool has(const std::string& name) const { return generators_.count(name) != 0; }
  const Generator* find(const std::string& name) const {
    auto it = generators_.find(name);
    return it == generators_.end() ? nullptr : &it->second;
  }

 private:
  std::map<std::string, Generator> generators_;
};

// A music track written beside the program (not into the archive).
struct MusicTrack {
  std::string file;  // e.g. "track0_0.ogg"
  Generator make;
};

// Registration modules, called in this order by main.
void register_placeholders(Registry& reg);  // simple shapes and tones for every entry
void register_fonts(Registry& reg);         // the glyph sheets
void register_map(Registry& reg);           // game.map
void register_tiles_art(Registry& reg);     // wall tiles, doors, floor, slime, acid
void register_creature_art(Registry& reg);  // creatures, corpses, effects
void register_ui_art(Registry& reg);        // console, menus, portraits, icons
void register_sounds(Registry& reg);        // the 38 sound effects
void register_music(std::vector<MusicTrack>& tracks);

}  // namespace contentgen
