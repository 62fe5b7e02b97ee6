// The asset tables: every image and sound of the archive loaded once at
// start-up into fixed handles (0 = absent), plus the missing-file counters.
// Tables are indexed from 1 like the rest of the game's tables; index 0 is
// unused unless noted.
#pragma once

// Raised to 100 whenever an absent image (gfxmissing) or sound (sfxmissing)
// is used; the overlay fades the warning out as they count down.
extern int gfxmissing;
extern int sfxmissing;

// ------------------------------------------------------------ fonts
// Loaded first, before the loading screen.
extern int img_font;      // font.png     29 x 35, 44 frames, large
extern int img_font2;     // font2.png    23 x 28, 30 frames, second face
extern int img_numbers;   // numbers.png  31 x 40, 11 frames, digits
extern int img_numbers2;  // numbers2.png 11 x 13, 11 frames, small digits
extern int img_font3;     // font3.png     9 x 10, 100 frames, small (loaded with the singles)

// ------------------------------------------------------------ start-up window
extern int img_sm_back, img_sm_tab, img_sm_ticker, img_startblack;

// ------------------------------------------------------------ image tables
extern int tileimg[51];          // tile_1..tile_50 (26..50 absent)
extern int doorimg[5];           // tile_door1..4
extern int slimeimg[3][4];       // [1][n] slime_n, [2][n] slime_nx
extern int targimg[4];           // targ_1, targ_2, invalid
extern int iconimg[5];           // icon_1..4
extern int boardimg[4];          // board_1..3
extern int board2img[3];         // board2_1..2
extern int minimapimg[8];        // mm_back, mm_room, mm_you, mm_hori, mm_vert, musti, mm_someone
extern int tabimg[3][4];         // [1] tab, tabx, tabz; [2] tab2, tab2x, tab2z
extern int faceimg[17];          // 1..15 roster portraits, 16 face_alien
extern int sliderimg[3];         // slider_left, slider_right
extern int bordimg[3];           // bord_corner, bord_line
extern int miniimg[3];           // minicorn, minibord
extern int creatureimg[7][5][6]; // [kind 1..6][set 1..4][frame 1..5]
extern int acidimg[2];           // acid_1
extern int acidblastimg[5];      // acid_blast_1..4

// ------------------------------------------------------------ single images
extern int img_alert, img_colonist_big, img_flashlight, img_heart, img_heart2, img_reaver,
    img_bracket, img_statborder, img_blocker, img_statbar, img_facebord, img_caret, img_backer,
    img_black, img_splitter, img_floor, img_blood, img_blast, img_indicator, img_bald, img_bar_st,
    img_bar_stx, img_bar_am, img_bar_amx, img_nametab, img_scoretab, img_viiva, img_piste,
    img_piste2, img_dot, img_pausetab, img_title, img_mouse, img_alien_head;

// ------------------------------------------------------------ sound tables
extern int shotsounds[4];        // shoot_1..3
extern int attacksounds[5];      // attack_1..4 (4 absent)
extern int deathsounds[7][3];    // [kind][deathnear] death_n (5 absent), [1..2][deathfar] death_1x, death_2x
// Columns of deathsounds: the death cry heard near, and the far version that
// warriors and huggers have.
inline constexpr int deathnear = 1, deathfar = 2;
extern int painsounds[3];        // 1 male, 2 female
extern int alertsounds[3];       // 0 alert_low, 1 alert_high_1, 2 alert_high_2
extern int panelsounds[3];       // pausein, pauseout
extern int powersounds[3];       // power_up, power_down

// ------------------------------------------------------------ single sounds
extern int snd_alarm, snd_tick, snd_dry, snd_rescue, snd_door, snd_acid, snd_lamp, snd_surprise,
    snd_cheat, snd_cheat2, snd_generator, snd_killme, snd_burst, snd_bursting, snd_ammo, snd_heal;

// ------------------------------------------------------------ loading
// The four image fonts of the loading screen (magenta mask).
void load_fonts();
// Every other image and sound, in the fixed loading order.
void load_all_assets();
