// Before SDL's video starts: a Wayland compositor that lacks a seat or
// windows (SDL crashes on it) is stepped round through X11, or refused with
// the missing things named.
#include <gtest/gtest.h>

#include <string>

#include "platform/wayland_probe.h"

namespace {

using plat::detail::choose_video_route;
using plat::detail::WaylandOffer;
using plat::detail::wayland_shortfall;

TEST(WaylandRoute, ASeatlessCompositorGoesToX11OrIsRefusedWithAReason) {
  WaylandOffer headless{true, true, true, true, false};  // weston's headless backend: no seat
  EXPECT_STREQ(choose_video_route(true, headless, true).driver, "x11");
  EXPECT_FALSE(choose_video_route(true, headless, true).refuse);
  EXPECT_TRUE(choose_video_route(false, headless, false).driver[0] == '\0') << "not asked for Wayland";
  const auto refused = choose_video_route(true, headless, false);
  EXPECT_TRUE(refused.refuse);
  EXPECT_NE(wayland_shortfall(headless).find("no seat"), std::string::npos);

  WaylandOffer shell_missing{true, true, true, false, true};
  EXPECT_STREQ(choose_video_route(true, shell_missing, true).driver, "x11");
  EXPECT_NE(wayland_shortfall(shell_missing).find("xdg_wm_base"), std::string::npos);
}

TEST(WaylandRoute, AFullCompositorOrNoneAtAllLeavesSdlItsChoice) {
  const WaylandOffer full{true, true, true, true, true};
  EXPECT_TRUE(wayland_shortfall(full).empty());
  EXPECT_STREQ(choose_video_route(true, full, false).driver, "");
  EXPECT_FALSE(choose_video_route(true, full, false).refuse);
  // Nobody answered: SDL's own start-up reports that, without a crash.
  EXPECT_FALSE(choose_video_route(true, WaylandOffer{}, false).refuse);
}

}  // namespace
