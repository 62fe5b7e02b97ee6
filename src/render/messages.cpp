// The status message line.
#include "render/messages.h"

#include "state/assets.h"
#include "platform/platform.h"
#include "render/draw_helpers.h"
#include "render/text.h"

std::string messagetext;
int messagey = 0;
int messageerror = 0;
int messagetimer = 0;

void postmessage(const std::string& text, int y, int iserror) {
  messagetext = text;
  messagey = y;
  messageerror = iserror;
  messagetimer = 100;
}

void countdownmessage() {
  if (messagetimer > 0) --messagetimer;
}

namespace {

// A message wider than this (the view is 780) is written in the smaller
// face of the menu font.
constexpr float widest = 760;

bool messagefits(const std::string& text) { return bigtextwidth(text) + 8.0f <= widest; }

void drawmessagetext(float x, float y, const std::string& text, bool fits) {
  if (fits) drawbigtext(x, y, text, 1);
  else drawbigtextsmall(x, y + 6, text, 1);
}

}  // namespace

MessageBox messagebox(const std::string& text) {
  const float textw = messagefits(text) ? static_cast<float>(bigtextwidth(text))
                                        : static_cast<float>(text::text_total(text::style_bigtextsmall(), text));
  const float w = textw + 8.0f;
  return {static_cast<int>(512.0f - w / 2.0f + 1.0f), w};
}

void drawmessageline() {
  if (messagetimer <= 0) return;
  const float fade = messagetimer / 100.0f;
  const bool fits = messagefits(messagetext);
  const MessageBox box = messagebox(messagetext);
  const float y = static_cast<float>(messagey);
  plat::set_blend(plat::BlendAlpha);
  // A dark backing first, so that the line reads over any room colour.
  setcolourbright(0, 0, 0, 100);
  plat::set_alpha(0.8f * fade);
  plat::set_scale((box.w + 12.0f) / 32.0f, 41.0f / 32.0f);
  drawimageculled(img_black, box.x - 6.0f, y - 4.0f, 0);
  if (messageerror) {
    setcolourbright(255, 0, 0, 100);
  } else {
    setcolourbright(255, 255, 0, 100);
  }
  plat::set_alpha(fade);
  plat::set_scale(box.w / 84.0f, 0.48f);
  drawimageculled(minimapimg[6], static_cast<float>(box.x), y - 2.0f, 0);
  plat::set_scale(1, 1);
  // The letters get a dark outline of their own.
  int r, g, b;
  plat::get_colour(r, g, b);
  setcolourbright(0, 0, 0, 100);
  for (int dx : {-2, 2})
    for (int dy : {-2, 2}) drawmessagetext(512.0f + dx, y + dy, messagetext, fits);
  plat::set_colour(r, g, b);
  drawmessagetext(512, y, messagetext, fits);
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
  setcolourbright(255, 255, 255, 100);
}
