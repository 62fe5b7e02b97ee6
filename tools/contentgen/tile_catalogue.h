// What each wall tile number depicts. The map generator furnishes rooms from
// this table and the tile painter draws from it, so both agree on meaning.
#pragma once

namespace contentgen {

enum TileUse {
  UseAnyRoom = 1,    // plain fittings found everywhere
  UseTechnical = 2,  // machinery and control rooms
  UseStorage = 4,    // stores and the ammunition room
  UseMedical = 8,    // medical rooms
  UseLiving = 16,    // quarters and offices
  UseHive = 32,      // rooms overgrown near the nest
  UseDamaged = 64,   // wrecked corridors
};

struct TileInfo {
  int number;        // tile number in the wall loop (image tile_<number>.png)
  int slots;         // width in wall slots (52 px each); followed by slots-1 zero slots
  int uses;          // TileUse flags
  const char* what;  // what the picture shows
};

inline constexpr TileInfo kTiles[25] = {
    {1, 1, UseAnyRoom, "plain riveted steel panel"},
    {2, 1, UseAnyRoom, "steel panel with a riveted seam, a guide stripe and hazard chevrons"},
    {3, 1, UseAnyRoom | UseTechnical, "vertical pipes and conduits"},
    {4, 1, UseAnyRoom, "ventilation grille"},
    {5, 1, UseTechnical | UseStorage, "panel with yellow-black hazard stripes and a warning decal"},
    {6, 1, UseTechnical, "cable trunking with a junction box"},
    {7, 1, UseAnyRoom | UseLiving, "wall lamp fixture"},
    {8, 1, UseLiving | UseStorage, "single tall locker"},
    {9, 1, UseTechnical | UseLiving, "small wall terminal with a green screen"},
    {10, 1, UseTechnical, "electrical fuse cabinet"},
    {11, 1, UseLiving | UseAnyRoom, "narrow viewport onto the dark exterior"},
    {12, 3, UseTechnical, "large control console with screens and switches"},
    {13, 3, UseTechnical, "generator machinery with turbine housing"},
    {14, 1, UseStorage, "ammunition rack with magazines"},
    {15, 1, UseMedical, "medical cabinet with a red cross"},
    {16, 1, UseStorage, "storage shelves with crates"},
    {17, 2, UseLiving | UseStorage, "bank of two lockers"},
    {18, 2, UseLiving, "wide observation window"},
    {19, 3, UseTechnical, "bulkhead pipe manifold with valves"},
    {20, 3, UseMedical, "medical station with bed and scanner"},
    {21, 1, UseHive, "resin growth over a metal panel"},
    {22, 1, UseHive, "resin with embedded ribs and pods"},
    {23, 3, UseHive, "hive wall of organic growth"},
    {24, 1, UseDamaged, "torn panel with exposed wiring"},
    {25, 1, UseTechnical | UseMedical, "specimen tank"},
};

}  // namespace contentgen
