#include "state/assets.h"

int gfxmissing = 0;
int sfxmissing = 0;

int img_font = 0, img_font2 = 0, img_numbers = 0, img_numbers2 = 0, img_font3 = 0;
int img_sm_back = 0, img_sm_tab = 0, img_sm_ticker = 0, img_startblack = 0;

int tileimg[51];
int doorimg[5];
int slimeimg[3][4];
int targimg[4];
int iconimg[5];
int boardimg[4];
int board2img[3];
int minimapimg[8];
int tabimg[3][4];
int faceimg[17];
int sliderimg[3];
int bordimg[3];
int miniimg[3];
int creatureimg[7][5][6];
int acidimg[2];
int acidblastimg[5];

int img_alert, img_colonist_big, img_flashlight, img_heart, img_heart2, img_reaver, img_bracket,
    img_statborder, img_blocker, img_statbar, img_facebord, img_caret, img_backer, img_black,
    img_splitter, img_floor, img_blood, img_blast, img_indicator, img_bald, img_bar_st, img_bar_stx,
    img_bar_am, img_bar_amx, img_nametab, img_scoretab, img_viiva, img_piste, img_piste2, img_dot,
    img_pausetab, img_title, img_mouse, img_alien_head;

int shotsounds[4];
int attacksounds[5];
int deathsounds[7][3];
int painsounds[3];
int alertsounds[3];
int panelsounds[3];
int powersounds[3];

int snd_alarm, snd_tick, snd_dry, snd_rescue, snd_door, snd_acid, snd_lamp, snd_surprise, snd_cheat,
    snd_cheat2, snd_generator, snd_killme, snd_burst, snd_bursting, snd_ammo, snd_heal;
