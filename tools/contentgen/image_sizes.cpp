// Picture sizes follow from where and how the game draws each picture: the
// console layout, the room band (top at y 67, walls to y 275, floor to 342),
// the menus and the creature handles. Strips are one row of cells.
#include "image_sizes.h"

namespace contentgen {

namespace {
constexpr ImageSize pic(const char* file, int w, int h) { return {file, w, h, w, h, 1}; }
constexpr ImageSize strip(const char* file, int cw, int ch, int frames) {
  return {file, cw * frames, ch, cw, ch, frames};
}
}  // namespace

const std::vector<ImageSize>& image_sizes() {
  static const std::vector<ImageSize> table = {
      // Start-up window (480 x 360). The tab is the 310 x 56 button area,
      // centred at x 240; the close box is two 17 x 17 cells; startblack is
      // a 32 x 32 fill stretched behind the error message.
      pic("sm_back.png", 480, 360),
      pic("sm_tab.png", 310, 56),
      strip("sm_ticker.png", 17, 17, 2),
      pic("startblack.png", 32, 32),
      // Image fonts: one glyph per cell.
      strip("font.png", 29, 35, 44),
      strip("font2.png", 23, 28, 30),
      strip("numbers.png", 31, 40, 11),
      strip("numbers2.png", 11, 13, 11),
      // Wall panels: one 52 px slot, wide tiles span the zero slots after
      // them; walls stand from y 67 to 275.
      pic("tile_1.png", 52, 208), pic("tile_2.png", 52, 208), pic("tile_3.png", 52, 208),
      pic("tile_4.png", 52, 208), pic("tile_5.png", 52, 208), pic("tile_6.png", 52, 208),
      pic("tile_7.png", 52, 208), pic("tile_8.png", 52, 208), pic("tile_9.png", 52, 208),
      pic("tile_10.png", 52, 208), pic("tile_11.png", 52, 208), pic("tile_12.png", 156, 208),
      pic("tile_13.png", 156, 208), pic("tile_14.png", 52, 208), pic("tile_15.png", 52, 208),
      pic("tile_16.png", 52, 208), pic("tile_17.png", 104, 208), pic("tile_18.png", 104, 208),
      pic("tile_19.png", 156, 208), pic("tile_20.png", 156, 208), pic("tile_21.png", 52, 208),
      pic("tile_22.png", 52, 208), pic("tile_23.png", 156, 208), pic("tile_24.png", 52, 208),
      pic("tile_25.png", 52, 208),
      // Doorway over three slots, control panel in the slot after it.
      pic("tile_door1.png", 156, 208), pic("tile_door2.png", 52, 208),
      pic("tile_door3.png", 156, 208), pic("tile_door4.png", 52, 208),
      // Slime overhangs its slot by 16 px each side (handle 16, 0), full wall height.
      pic("slime_1.png", 84, 208), pic("slime_2.png", 84, 208), pic("slime_3.png", 84, 208),
      pic("slime_1x.png", 84, 208), pic("slime_2x.png", 84, 208), pic("slime_3x.png", 84, 208),
      // Crosshairs (centred). At scale 0.75 the plain one stays clear of the
      // name written 32 px above another member's crosshair; the firing one
      // is larger with its muzzle flash.
      pic("targ_1.png", 48, 48), pic("targ_2.png", 64, 64), pic("invalid.png", 32, 32),
      // Attribute icons at X + 148 on a 26 px row pitch, left of the stat
      // border at X + 171, inside the 19 px high row.
      pic("icon_1.png", 20, 20), pic("icon_2.png", 20, 20), pic("icon_3.png", 20, 20),
      pic("icon_4.png", 20, 20),
      // Console frame.
      pic("board_1.png", 1024, 426), pic("board_2.png", 122, 275), pic("board_3.png", 1024, 67),
      pic("board2_1.png", 1024, 254), pic("board2_2.png", 122, 514),
      // Minimap: the back plate at (802, 69) frames the 3 x 3 cells (72 px
      // from 814, 81) with a 12 px border; rooms 20 px at a 26 px pitch,
      // passage marks fill the 6 px gaps; the arrow is centred in a cell.
      pic("mm_back.png", 98, 98), pic("mm_room.png", 20, 20), pic("mm_you.png", 14, 14),
      pic("mm_hori.png", 6, 20), pic("mm_vert.png", 20, 6),
      pic("musti.png", 84, 84),  // backdrop, always scaled by w / 84
      pic("mm_someone.png", 20, 20),
      // Member tabs, one and two players.
      pic("tab.png", 273, 132), pic("tabx.png", 273, 132), pic("tabz.png", 273, 132),
      pic("tab2.png", 170, 82), pic("tab2x.png", 170, 82), pic("tab2z.png", 170, 82),
      // Portraits (centred): 184 px fills the status panel between the
      // heartbeat trace and the ammunition gauge (rows 469..649) and halves
      // to 92 inside the 98 px portrait frame of the squad screen.
      pic("face_marsh.png", 184, 184), pic("face_teller.png", 184, 184),
      pic("face_quill.png", 184, 184), pic("face_nolan.png", 184, 184),
      pic("face_okafor.png", 184, 184), pic("face_pryce.png", 184, 184),
      pic("face_sato.png", 184, 184), pic("face_lund.png", 184, 184),
      pic("face_ebert.png", 184, 184), pic("face_brody.png", 184, 184),
      pic("face_vance.png", 184, 184), pic("face_ingram.png", 184, 184),
      pic("face_yardley.png", 184, 184), pic("face_moreau.png", 184, 184),
      pic("face_castellan.png", 184, 184), pic("face_alien.png", 184, 184),
      // Side panels: they slide 422 px and cover the band's height.
      pic("slider_left.png", 422, 275), pic("slider_right.png", 422, 275),
      // Panel border: the line is 5 px long (scaled by length / 5), the
      // tooltip's 3 px (scaled by length / 3); corners sit on top.
      pic("bord_corner.png", 16, 16), pic("bord_line.png", 5, 6),
      pic("minicorn.png", 8, 8), pic("minibord.png", 3, 3),
      // Warrior: roaming 204 wide from y 110 to the floor line (~300);
      // attack and death frames 557 x 496 give the shared handle (278, 63);
      // corpses 272 wide from y 80 to a little past the floor line.
      pic("alien_1.png", 204, 190), pic("alien_2.png", 204, 190), pic("alien_3.png", 204, 190),
      pic("alien_a1.png", 557, 496), pic("alien_a2.png", 557, 496),
      pic("alien_c1.png", 272, 230), pic("alien_c2.png", 272, 230),
      pic("alien_c3.png", 272, 230), pic("alien_c4.png", 272, 230),
      pic("alien_d1.png", 557, 496), pic("alien_d2.png", 557, 496),
      pic("alien_d3.png", 557, 496), pic("alien_d4.png", 557, 496),
      pic("alien_d5.png", 557, 496),
      // Hugger: a low crawler from y 264 (its shot box is 10 px high at
      // y 265); 429 x 492 gives (214, 179); corpses handle (111, 53) from
      // y 264 reach just past the floor line.
      pic("hugger_1.png", 242, 36), pic("hugger_2.png", 242, 36), pic("hugger_3.png", 242, 36),
      pic("hugger_a1.png", 429, 492),
      pic("hugger_c1.png", 222, 93), pic("hugger_c2.png", 222, 93), pic("hugger_c3.png", 222, 93),
      pic("hugger_d1.png", 429, 492), pic("hugger_d2.png", 429, 492),
      pic("hugger_d3.png", 429, 492), pic("hugger_d4.png", 429, 492),
      // Queen: roaming 354 wide from y 12 to the floor line; 551 x 610
      // gives (275, 149).
      pic("queen_1.png", 354, 288), pic("queen_2.png", 354, 288), pic("queen_3.png", 354, 288),
      pic("queen_a1.png", 551, 610), pic("queen_a2.png", 551, 610),
      pic("queen_d1.png", 551, 610), pic("queen_d2.png", 551, 610),
      pic("queen_d3.png", 551, 610), pic("queen_d4.png", 551, 610),
      pic("queen_d5.png", 551, 610),
      // Egg: its 72 x 85 hit box from y 216.
      pic("egg.png", 72, 85), pic("egg_c1.png", 72, 85), pic("egg_c2.png", 72, 85),
      pic("egg_c3.png", 72, 85),
      // Colonist: its 49 x 145 rescue box from y 154. Cocooned colonist
      // from y 100 to the floor line, head box at x 57..98, y 146..190.
      pic("wren.png", 49, 145), pic("colonist_1.png", 156, 200), pic("colonist_2.png", 156, 200),
      // Acid pool on the floor at y 288 (handle 72, 0); splashes grow from
      // frame to frame; the last one's handle (145, 134) is its centre.
      pic("acid_1.png", 144, 44),
      pic("acid_blast_1.png", 180, 160), pic("acid_blast_2.png", 220, 200),
      pic("acid_blast_3.png", 250, 230), pic("acid_blast_4.png", 290, 268),
      // Alarm icon beside a tab: 24 px fits the 26 px left of the tabs and
      // is centred 27.5 px up, so 55 high.
      pic("alert.png", 24, 55),
      pic("colonist_big.png", 460, 345),  // scaled by 2.23 to fill the screen
      pic("flashlight.png", 180, 180),    // the flashlight window
      strip("heart.png", 60, 12, 5), strip("heart2.png", 36, 8, 5),
      strip("font3.png", 9, 10, 100),
      pic("reaver.png", 3, 3),     // the shot probe, about the crosshair's 2 x 2 box
      pic("bracket.png", 32, 6),   // use-prompt edge, scaled by length / 32
      // Attribute bar on the squad screen: the bar at X + 174 shows up to
      // 166 px (attribute x 33) with 3 px of border around it; the blocker
      // is one pixel wide and stretched over the unused part.
      pic("statborder.png", 172, 17), pic("blocker.png", 166, 11), pic("statbar.png", 166, 11),
      pic("facebord.png", 98, 98),  // frames the half-scale portrait centred at (49, 49)
      pic("caret.png", 6, 38),      // text cursor: from 2 px above a 35 px text row
      pic("backer.png", 512, 384),  // drawn at scale 2
      pic("black.png", 32, 32),
      // Splitter between two views: 128 px tiles at a 128 px pitch,
      // centred (handle y 5) on y 256 inside a 13 px high strip.
      pic("splitter.png", 128, 11),
      pic("floor.png", 52, 67), pic("blood.png", 32, 32),
      pic("blast.png", 64, 64),  // shot flash, scaled up to 2 (centred)
      // Compass dial and needle (centred): the dial fits the 32 px above a
      // two-player view's top (centre y 16).
      pic("indicator.png", 32, 32), pic("bald.png", 32, 32),
      // Stamina bars: 200 px at (tab x + 4) x 0.62 ends at the hearts at
      // tab x + 129; the fill sits 2 px inside (at + 2, + 2).
      pic("bar_st.png", 194, 10), pic("bar_stx.png", 198, 14),
      // Ammunition gauge: handle (12, 174) is its bottom centre, standing
      // from y 466 to 640 beside the portrait.
      pic("bar_am.png", 24, 174), pic("bar_amx.png", 24, 174),
      // Status panel plates, both centred on x ~511 from x 324: the name
      // (35 px) centred in 56 px, the credits (40 px) centred on y 698.
      pic("nametab.png", 376, 56), pic("scoretab.png", 376, 74),
      // Divider: 79 px pieces at x 326 and 405 meet end to end.
      pic("viiva.png", 79, 8),
      pic("piste.png", 4, 2), pic("piste2.png", 3, 2),  // heartbeat trace dots, 1 px rows
      pic("dot.png", 5, 5),                              // static dot (centred)
      pic("pausetab.png", 164, 64),  // counter plate, handle (82, 0) is its top centre
      pic("title.png", 560, 136),     // logo above the menu titles (those start at y 145)
      pic("mouse.png", 24, 24),
      pic("alien_head.png", 84, 52),  // the warrior's head; a shot must touch its opaque pixels
      // Registered but never loaded.
      pic("flash.png", 64, 64), pic("minibord_1.png", 3, 3), pic("tile_door.png", 208, 208),
  };
  return table;
}

const ImageSize* find_image_size(const std::string& name) {
  static const std::string folder = "data\\gfx\\";
  std::string file = name.compare(0, folder.size(), folder) == 0 ? name.substr(folder.size()) : name;
  for (const auto& e : image_sizes())
    if (file == e.file) return &e;
  return nullptr;
}

}  // namespace contentgen
