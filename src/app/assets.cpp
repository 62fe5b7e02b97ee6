#include "app/assets.h"

int gfxmissing = 0;
int sfxmissing = 0;

int img_font = 0;
int img_font2 = 0;
int img_numbers = 0;
int img_numbers2 = 0;
int img_font3 = 0;
