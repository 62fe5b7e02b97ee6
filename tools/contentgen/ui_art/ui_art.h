// The console, menu and portrait pictures, grouped by where they appear.
// Each group registers its generators under their archive names.
#pragma once

#include "registry.h"

namespace contentgen::ui {

// Archive name of a picture: "data\gfx\" + file.
std::string gfx(const std::string& file);

void add_console_frames(Registry& reg);       // board_*, board2_*, splitter, musti
void add_minimap_and_compass(Registry& reg);  // mm_*, bald (compass dial), indicator (needle)
void add_console_panels(Registry& reg);  // tabs, status panel parts, bars, hearts, sliders
void add_menu_art(Registry& reg);        // menu background, logo, pointer, panel borders, squad screen
void add_startup_art(Registry& reg);     // the start-up window
void add_portraits(Registry& reg);       // face_*

// The roster in portrait order (lower-case file names without "face_").
inline constexpr const char* kRosterFaces[15] = {
    "marsh", "teller", "quill", "nolan", "okafor", "pryce", "sato", "lund",
    "ebert", "brody", "vance", "ingram", "yardley", "moreau", "castellan"};

}  // namespace contentgen::ui
