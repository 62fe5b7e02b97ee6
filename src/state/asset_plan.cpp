// The load lists behind load_fonts() and load_all_assets().
#include "state/asset_plan.h"

#include "state/assets.h"

namespace {

// Builders for the list entries.
ImageLoad plain(int* slot, const std::string& file, int flags) { return {slot, file, flags}; }
ImageLoad centred(int* slot, const std::string& file, int flags) {
  ImageLoad l{slot, file, flags};
  l.rule = HandleRule::centre;
  return l;
}
ImageLoad fixed(int* slot, const std::string& file, int flags, int hx, int hy) {
  ImageLoad l{slot, file, flags};
  l.rule = HandleRule::fixed;
  l.hx = hx;
  l.hy = hy;
  return l;
}
ImageLoad cells(int* slot, const std::string& file, int flags, int cw, int ch, int frames) {
  ImageLoad l{slot, file, flags};
  l.cellw = cw;
  l.cellh = ch;
  l.frames = frames;
  return l;
}
ImageLoad shared(int* slot, const std::string& file, int kind) {
  ImageLoad l{slot, file, 3};
  l.rule = HandleRule::creatureshared;
  l.kind = kind;
  return l;
}

std::string num(int n) { return std::to_string(n); }

// Interface pictures: crosshairs, icons, console frame and the small
// single pictures of views, menus and the console.
void add_interface(std::vector<ImageLoad>& p) {
  p.push_back(centred(&targimg[1], "targ_1.png", 3));
  p.push_back(centred(&targimg[2], "targ_2.png", 3));
  p.push_back(centred(&targimg[3], "invalid.png", 1));
  for (int n = 1; n <= 4; ++n) p.push_back(plain(&iconimg[n], "icon_" + num(n) + ".png", 1));
  for (int n = 1; n <= 3; ++n) p.push_back(plain(&boardimg[n], "board_" + num(n) + ".png", 1));
  for (int n = 1; n <= 2; ++n) p.push_back(plain(&board2img[n], "board2_" + num(n) + ".png", 1));
  p.push_back(plain(&img_alert, "alert.png", -1));
  p.push_back(plain(&img_colonist_big, "colonist_big.png", 2));
  p.push_back(plain(&img_flashlight, "flashlight.png", -1));
  p.push_back(cells(&img_heart, "heart.png", 1, 60, 12, 5));
  p.push_back(cells(&img_heart2, "heart2.png", 1, 36, 8, 5));
  p.push_back(cells(&img_font3, "font3.png", 1, 9, 10, 100));
  p.push_back(plain(&img_reaver, "reaver.png", 1));
  p.push_back(plain(&img_bracket, "bracket.png", 1));
  p.push_back(plain(&img_statborder, "statborder.png", 1));
  p.push_back(plain(&img_blocker, "blocker.png", 1));
  p.push_back(plain(&img_statbar, "statbar.png", 1));
  p.push_back(plain(&img_facebord, "facebord.png", 1));
  p.push_back(plain(&img_caret, "caret.png", 1));
  p.push_back(plain(&img_backer, "backer.png", 3));
  p.push_back(plain(&img_black, "black.png", 1));
  p.push_back(fixed(&img_splitter, "splitter.png", 1, 0, 5));
  p.push_back(plain(&img_floor, "floor.png", 1));
  p.push_back(plain(&img_blood, "blood.png", 1));
  p.push_back(centred(&img_blast, "blast.png", -1));
  p.push_back(centred(&img_indicator, "indicator.png", 1));
  p.push_back(centred(&img_bald, "bald.png", 1));
}

// Room band: wall panels (26..50 are not in the archive and stay 0), slime,
// doors.
void add_room(std::vector<ImageLoad>& p) {
  for (int n = 1; n <= 50; ++n) p.push_back(plain(&tileimg[n], "tile_" + num(n) + ".png", 2));
  for (int n = 1; n <= 3; ++n)
    p.push_back(fixed(&slimeimg[1][n], "slime_" + num(n) + ".png", 1, 16, 0));
  for (int n = 1; n <= 3; ++n)
    p.push_back(fixed(&slimeimg[2][n], "slime_" + num(n) + "x.png", 1, 16, 0));
  for (int n = 1; n <= 4; ++n) p.push_back(plain(&doorimg[n], "tile_door" + num(n) + ".png", 3));
}

void add_minimap(std::vector<ImageLoad>& p) {
  p.push_back(plain(&minimapimg[1], "mm_back.png", 1));
  p.push_back(plain(&minimapimg[2], "mm_room.png", 1));
  p.push_back(centred(&minimapimg[3], "mm_you.png", 1));
  p.push_back(plain(&minimapimg[4], "mm_hori.png", 1));
  p.push_back(plain(&minimapimg[5], "mm_vert.png", 1));
  p.push_back(plain(&minimapimg[6], "musti.png", 1));
  p.push_back(plain(&minimapimg[7], "mm_someone.png", 1));
}

// Status panel pieces. The ammunition gauge stands on its bottom centre
// (12, 174) so that scaling its height keeps the foot in place; the
// stamina bars are placed by their top-left corner inside the member tabs
// and keep the (0, 0) handle, since a handle at (12, 174) would put them
// 141 px above their tabs.
void add_bars(std::vector<ImageLoad>& p) {
  p.push_back(plain(&img_bar_st, "bar_st.png", 1));
  p.push_back(plain(&img_bar_stx, "bar_stx.png", 1));
  p.push_back(fixed(&img_bar_am, "bar_am.png", 1, 12, 174));
  p.push_back(fixed(&img_bar_amx, "bar_amx.png", 1, 12, 174));
  p.push_back(plain(&img_nametab, "nametab.png", 1));
  p.push_back(plain(&img_scoretab, "scoretab.png", 1));
  p.push_back(plain(&img_viiva, "viiva.png", 1));
  p.push_back(plain(&img_piste, "piste.png", 1));
  p.push_back(plain(&img_piste2, "piste2.png", 1));
  p.push_back(centred(&img_dot, "dot.png", 1));
  p.push_back(fixed(&img_pausetab, "pausetab.png", 1, 82, 0));
}

void add_tabs_and_faces(std::vector<ImageLoad>& p) {
  static const char* suffix[4] = {"", "", "x", "z"};
  for (int n = 1; n <= 3; ++n) p.push_back(plain(&tabimg[1][n], std::string("tab") + suffix[n] + ".png", 1));
  for (int n = 1; n <= 3; ++n) p.push_back(plain(&tabimg[2][n], std::string("tab2") + suffix[n] + ".png", 1));
  // Roster portraits by roster number, then the creature face.
  static const char* faces[16] = {"marsh", "teller", "quill", "nolan", "okafor", "pryce",
                                  "sato", "lund", "ebert", "brody", "vance", "ingram",
                                  "yardley", "moreau", "castellan", "alien"};
  for (int n = 1; n <= 16; ++n)
    p.push_back(centred(&faceimg[n], std::string("face_") + faces[n - 1] + ".png", 1));
}

void add_borders(std::vector<ImageLoad>& p) {
  p.push_back(plain(&sliderimg[1], "slider_left.png", 1));
  p.push_back(fixed(&sliderimg[2], "slider_right.png", 1, 421, 0));
  p.push_back(plain(&bordimg[1], "bord_corner.png", 1));
  p.push_back(plain(&bordimg[2], "bord_line.png", 1));
  p.push_back(plain(&miniimg[1], "minicorn.png", 1));
  p.push_back(plain(&miniimg[2], "minibord.png", 1));
  p.push_back(plain(&img_title, "title.png", 1));
  p.push_back(plain(&img_mouse, "mouse.png", 1));
  p.push_back(plain(&img_alien_head, "alien_head.png", -1));
}

void add_creatures(std::vector<ImageLoad>& p) {
  auto walk = [&](int kind, const std::string& stem, int count, int hx, int hy) {
    for (int n = 1; n <= count; ++n)
      p.push_back(fixed(&creatureimg[kind][1][n], stem + num(n) + ".png", 3, hx, hy));
  };
  auto set = [&](int kind, int row, const std::string& stem, int count) {
    for (int n = 1; n <= count; ++n)
      p.push_back(shared(&creatureimg[kind][row][n], stem + num(n) + ".png", kind));
  };
  auto corpses = [&](int kind, const std::string& stem, int count, int hx, int hy) {
    for (int n = 1; n <= count; ++n)
      p.push_back(fixed(&creatureimg[kind][3][n], stem + num(n) + ".png", 3, hx, hy));
  };
  // Warrior.
  walk(1, "alien_", 3, 102, 0);
  set(1, 2, "alien_a", 2);
  corpses(1, "alien_c", 4, 136, 0);
  set(1, 4, "alien_d", 5);
  // Hugger.
  walk(2, "hugger_", 3, 121, 0);
  set(2, 2, "hugger_a", 1);
  corpses(2, "hugger_c", 3, 111, 53);
  set(2, 4, "hugger_d", 4);
  // Queen (leaves no corpse).
  walk(3, "queen_", 3, 177, 0);
  set(3, 2, "queen_a", 2);
  set(3, 4, "queen_d", 5);
  // Egg and its broken shells.
  p.push_back(fixed(&creatureimg[4][1][1], "egg.png", 3, 36, 0));
  corpses(4, "egg_c", 3, 36, 0);
  // The lone colonist and the cocooned one.
  p.push_back(fixed(&creatureimg[5][1][1], "wren.png", -1, 24, 0));
  p.push_back(plain(&creatureimg[6][1][1], "colonist_1.png", -1));
  p.push_back(plain(&creatureimg[6][2][1], "colonist_2.png", -1));
}

void add_acid(std::vector<ImageLoad>& p) {
  p.push_back(fixed(&acidimg[1], "acid_1.png", 3, 72, 0));
  for (int n = 1; n <= 3; ++n)
    p.push_back(centred(&acidblastimg[n], "acid_blast_" + num(n) + ".png", 3));
  p.push_back(fixed(&acidblastimg[4], "acid_blast_4.png", 3, 145, 134));
}

}  // namespace

const std::vector<ImageLoad>& font_load_plan() {
  static const std::vector<ImageLoad> plan = {
      cells(&img_font, "font.png", 3, 29, 35, 44),
      cells(&img_font2, "font2.png", 3, 23, 28, 30),
      cells(&img_numbers, "numbers.png", 3, 31, 40, 11),
      cells(&img_numbers2, "numbers2.png", 1, 11, 13, 11),
  };
  return plan;
}

const std::vector<ImageLoad>& image_load_plan() {
  static const std::vector<ImageLoad> plan = [] {
    std::vector<ImageLoad> p;
    add_interface(p);
    add_room(p);
    add_minimap(p);
    add_bars(p);
    add_tabs_and_faces(p);
    add_borders(p);
    add_creatures(p);
    add_acid(p);
    return p;
  }();
  return plan;
}

const std::vector<SoundLoad>& sound_load_plan() {
  static const std::vector<SoundLoad> plan = [] {
    std::vector<SoundLoad> p;
    for (int n = 1; n <= 3; ++n) p.push_back({&shotsounds[n], "shoot_" + num(n) + ".wav"});
    // Attack sound 4 and death sound 5 are not in the archive and stay 0.
    for (int n = 1; n <= 4; ++n) p.push_back({&attacksounds[n], "attack_" + num(n) + ".wav"});
    for (int n = 1; n <= 6; ++n) p.push_back({&deathsounds[n][deathnear], "death_" + num(n) + ".wav"});
    p.push_back({&deathsounds[1][deathfar], "death_1x.wav"});
    p.push_back({&deathsounds[2][deathfar], "death_2x.wav"});
    p.push_back({&painsounds[1], "pain_m.wav"});
    p.push_back({&painsounds[2], "pain_f.wav"});
    p.push_back({&alertsounds[0], "alert_low.wav"});
    p.push_back({&alertsounds[1], "alert_high_1.wav"});
    p.push_back({&alertsounds[2], "alert_high_2.wav"});
    p.push_back({&panelsounds[1], "pausein.wav"});
    p.push_back({&panelsounds[2], "pauseout.wav"});
    p.push_back({&powersounds[1], "power_up.wav"});
    p.push_back({&powersounds[2], "power_down.wav"});
    const std::pair<int*, const char*> singles[] = {
        {&snd_alarm, "alarm"},         {&snd_tick, "tick"},         {&snd_dry, "dry"},
        {&snd_rescue, "rescue"},       {&snd_door, "door"},         {&snd_acid, "acid"},
        {&snd_lamp, "lamp"},           {&snd_surprise, "surprise"}, {&snd_cheat, "cheat"},
        {&snd_cheat2, "cheat2"},       {&snd_generator, "generator"}, {&snd_killme, "killme"},
        {&snd_burst, "burst"},         {&snd_bursting, "bursting"}, {&snd_ammo, "ammo"},
        {&snd_heal, "heal"},
    };
    for (const auto& [slot, stem] : singles) p.push_back({slot, std::string(stem) + ".wav"});
    return p;
  }();
  return plan;
}

std::string gfx_path(const std::string& file) { return "incbin::data\\gfx\\" + file; }
std::string sfx_path(const std::string& file) { return "incbin::data\\sfx\\" + file; }

void creature_attack_handle(int kind, int width, int height, int& hx, int& hy) {
  static const double k[4] = {0.0, 0.127, 0.364, 0.244};
  double factor = kind >= 1 && kind <= 3 ? k[kind] : 0.0;
  hx = width / 2;
  hy = static_cast<int>(height * factor + 0.5);
}
