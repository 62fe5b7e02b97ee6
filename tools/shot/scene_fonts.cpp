// "fonts": every glyph of every image font through every text operation,
// left-aligned and centred on a guide line, each labelled.
#include "state/assets.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/text.h"
#include "scene.h"

namespace {

const char* kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const char* kLargeRest = "&.:1234567890-\xC4\xD6\xC5";
const char* kDigits = "0123456789-";
constexpr float kGuideX = 760;

void label(float x, float y, const std::string& s) {
  plat::set_colour(120, 140, 160);
  drawsmalltext(x, y, s, 0, 1);
  plat::set_colour(255, 255, 255);
}

// A thin vertical line through centred text: the 1-pixel "l" of the small
// font stretched.
void guide(float x, float y, float h) {
  plat::set_colour(200, 60, 60);
  plat::set_scale(1, h / 7);
  plat::draw_image(img_font3, x, y - h / 7, 38);
  plat::set_scale(1, 1);
  plat::set_colour(255, 255, 255);
}

}  // namespace

SHOT_SCENE("fonts", "every glyph of every font through every text operation") {
  shot::load_text_assets();
  plat::set_cls_colour(16, 20, 28);
  plat::cls();
  plat::set_blend(plat::BlendMasked);

  float y = 6;
  label(20, y, "drawbigtext - font.png, advance width+8");
  label(kGuideX - 90, y, "centred on the red guide");
  drawbigtext(20, y + 12, kUpper, 0);
  drawbigtext(20, y + 50, std::string(kLargeRest) + " abc", 0);
  guide(kGuideX, y + 50, 35);
  plat::set_colour(0, 255, 0);
  drawbigtext(kGuideX, y + 50, "RUN GAME", 1);
  plat::set_colour(255, 255, 255);

  y = 96;
  label(20, y, "drawbigtextsmall - font.png at 0.66");
  plat::set_colour(255, 255, 0);
  drawbigtextsmall(20, y + 12, std::string(kUpper) + kLargeRest, 0);
  plat::set_colour(255, 255, 255);
  guide(kGuideX, y + 40, 24);
  drawbigtextsmall(kGuideX, y + 40, "MISSION COMPLETE", 1);

  y = 168;
  label(20, y, "drawtext2 - font2.png, advance width+4 (frames 0..29)");
  drawtext2(20, y + 12, std::string(kUpper) + "&.:", 0);
  guide(kGuideX, y + 44, 28);
  plat::set_colour(0, 128, 0);
  drawtext2(kGuideX, y + 44, "PLEASE STAND BY", 1);
  plat::set_colour(255, 255, 255);
  label(20, y + 46, "drawtext2small - font2.png at 0.45");
  drawtext2small(20, y + 58, std::string(kUpper) + "&.:", 0);
  guide(kGuideX, y + 80, 13);
  drawtext2small(kGuideX, y + 80, "SQUAD LEADER", 1);

  y = 270;
  label(20, y, "drawsmalltext - font3.png, advance width+2");
  drawsmalltext(20, y + 12, " ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz", 0, 1);
  drawsmalltext(20, y + 24, "1234567890 .:,;(*!?')/-+% \xC4\xD6\xC5\xE4\xF6\xE5 \xA7=_#\xA4&", 0, 1);
  drawsmalltext(20, y + 36, "The quick brown fox jumps over the lazy dog. Ammo: 120/240 (50%)", 0, 1);
  plat::set_colour(255, 0, 0);
  drawsmalltext(20, y + 48, "Graphic file missing!", 0, 1);
  plat::set_colour(255, 255, 255);
  guide(kGuideX, y + 12, 10);
  drawsmalltext(kGuideX, y + 12, "Press fire to continue", 1, 1);
  guide(kGuideX, y + 28, 20);
  plat::set_colour(150, 255, 150);
  drawsmalltext(kGuideX, y + 28, "Scale 2 text", 1, 2);
  plat::set_colour(255, 255, 255);
  label(20, y + 64, "drawsmalltext at scale 2, drawsmalltextpad (digits 5)");
  drawsmalltext(20, y + 76, "Sergeant Brody 98/120", 0, 2);
  drawsmalltextpad(340, y + 76, "42", 0, 2, 5);

  y = 376;
  label(20, y, "drawnumber - numbers.png, advance 37");
  drawnumber(20, y + 12, kDigits, 0, 0, 0, 1);
  guide(kGuideX, y + 12, 40);
  plat::set_colour(0, 255, 0);
  drawnumber(kGuideX, y + 12, "5000", 1, 8, 0, 1);
  plat::set_colour(255, 255, 255);

  y = 436;
  label(20, y, "drawnumber80 (0.8), drawnumberhalf (0.5), drawnumberscaled (0.66 x 1.5)");
  plat::set_colour(150, 150, 255);
  drawnumber80(20, y + 12, kDigits, 0, 0);
  drawnumberhalf(360, y + 12, kDigits, 0, 0);
  drawnumberscaled(560, y + 12, "---", 0, 3, 0, 1.5f);
  plat::set_colour(255, 150, 150);
  guide(kGuideX + 150, y + 12, 32);
  drawnumber80(kGuideX + 150, y + 12, "248", 1, 3);
  plat::set_colour(255, 255, 255);

  y = 490;
  label(20, y, "drawsmalldigits - numbers2.png, advance width+2");
  drawsmalldigits(20, y + 12, kDigits, 0, 0);
  drawsmalldigits(200, y + 12, "7", 0, 3);
  guide(kGuideX, y + 12, 13);
  plat::set_colour(255, 150, 150);
  drawsmalldigits(kGuideX, y + 12, "174", 1, 3);
  plat::set_colour(255, 255, 255);

  y = 530;
  label(20, y, "tinted: setcolourbright at 100, 60, 30 percent");
  for (int i = 0; i < 3; ++i) {
    setcolourbright(0, 255, 0, 100.0f - 35 * i);
    drawbigtext(20 + 300.0f * i, y + 12, "ALERT 3", 0);
  }
  plat::set_colour(255, 255, 255);

  y = 590;
  label(20, y, "frames of each sheet in order");
  plat::set_scale(0.75f, 0.75f);
  for (int f = 0; f < 44; ++f) plat::draw_image(img_font, 20 + f * 22.0f, y + 12, f);
  plat::set_scale(1, 1);
  for (int f = 0; f < 30; ++f) plat::draw_image(img_font2, 20 + f * 26.0f, y + 50, f);
  for (int f = 0; f < 89; ++f) plat::draw_image(img_font3, 20 + f * 11.0f, y + 82, f);
  for (int f = 0; f < 11; ++f) plat::draw_image(img_numbers, 20 + f * 34.0f, y + 98, f);
  for (int f = 0; f < 11; ++f) plat::draw_image(img_numbers2, 420 + f * 13.0f, y + 98, f);
}
