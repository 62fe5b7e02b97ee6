// The status message line.
#include "render/messages.h"

#include "app/state/assets.h"
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

MessageBox messagebox(const std::string& text) {
  const float w = bigtextwidth(text) + 8.0f;
  return {static_cast<int>(512.0f - w / 2.0f + 1.0f), w};
}

void drawmessageline() {
  if (messagetimer <= 0) return;
  if (messageerror) {
    setcolourbright(255, 0, 0, 100);
  } else {
    setcolourbright(255, 255, 0, 100);
  }
  plat::set_blend(plat::BlendAlpha);
  plat::set_alpha(messagetimer / 100.0f);
  const MessageBox box = messagebox(messagetext);
  plat::set_scale(box.w / 84.0f, 0.48f);
  drawimageculled(minimapimg[6], static_cast<float>(box.x), messagey - 2.0f, 0);
  plat::set_scale(1, 1);
  drawbigtext(512, static_cast<float>(messagey), messagetext, 1);
  --messagetimer;
  plat::set_alpha(1);
  plat::set_blend(plat::BlendMasked);
  setcolourbright(255, 255, 255, 100);
}
