// The asset tables: every image and sound of the archive loaded once at
// start-up into fixed handles (0 = absent), plus the missing-file counters.
#pragma once

// Raised to 100 whenever an absent image (gfxmissing) or sound (sfxmissing)
// is used; the overlay fades the warning out as they count down.
extern int gfxmissing;
extern int sfxmissing;

// The image fonts (loaded first, before the loading screen).
extern int img_font;      // font.png     29 x 35, 44 frames, large
extern int img_font2;     // font2.png    23 x 28, 30 frames, second face
extern int img_numbers;   // numbers.png  31 x 40, 11 frames, digits
extern int img_numbers2;  // numbers2.png 11 x 13, 11 frames, small digits
extern int img_font3;     // font3.png     9 x 10, 100 frames, small
