// The command line, the screenshot key, and a start with no display: the
// parser on its own, then the real program as a player would start it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/frame_loop.h"
#include "app/screenshot_key.h"
#include "state/game_state.h"
#include "frontend/menu_frame.h"
#include "input/bindings.h"
#include "input/input.h"
#include "platform/synthetic_input.h"
#include "state/play_state.h"
#include "platform/platform.h"
#include "render/messages.h"

namespace {

namespace fs = std::filesystem;

LaunchOptions parse(std::vector<const char*> args) {
  args.insert(args.begin(), "rx907");
  return parsecommandline(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, FlagsSetTheirChoices) {
  const LaunchOptions none = parse({});
  EXPECT_TRUE(none.error.empty());
  EXPECT_EQ(none.windowmode, -1);
  EXPECT_EQ(none.renderer, -1);
  EXPECT_EQ(none.scale, -1);

  const LaunchOptions o = parse({"--windowed", "--renderer=software", "--scale=sharp"});
  EXPECT_TRUE(o.error.empty()) << o.error;
  EXPECT_EQ(o.windowmode, 0);
  EXPECT_EQ(o.renderer, plat::RendererSoftware);
  EXPECT_EQ(o.scale, plat::ScaleSharp);

  const LaunchOptions last = parse({"--windowed", "--fullscreen", "--renderer=opengl", "--scale=smooth"});
  EXPECT_EQ(last.windowmode, 1) << "the last of two window flags holds";
  EXPECT_EQ(last.renderer, plat::RendererOpenGL);
  EXPECT_EQ(last.scale, plat::ScaleSmooth);
  EXPECT_EQ(parse({"--renderer=default"}).renderer, plat::RendererDefault);
  EXPECT_TRUE(parse({"--help"}).help);
  EXPECT_TRUE(parse({"--version"}).version);
  EXPECT_FALSE(none.demo);
  EXPECT_TRUE(parse({"--windowed", "--demo"}).demo);
}

TEST(CommandLine, UnknownFlagsAndValuesAreNamed) {
  EXPECT_NE(parse({"--fast"}).error.find("'--fast'"), std::string::npos);
  EXPECT_NE(parse({"--renderer=vulkan"}).error.find("'vulkan'"), std::string::npos);
  EXPECT_NE(parse({"--scale=huge"}).error.find("'huge'"), std::string::npos);
  EXPECT_FALSE(parse({"--renderer"}).error.empty()) << "a value is required";
  EXPECT_FALSE(parse({"--windowedx"}).error.empty());
}

struct GameRun {
  int status = -1;
  std::string output;
};

// Runs the game binary with a shell prefix (environment changes), output
// and errors together; a hang ends after 20 s with status 124.
GameRun rungame(const std::string& prefix, const std::string& args) {
  GameRun r;
  const std::string command = prefix + " timeout 20 " + RX_GAME + " " + args + " 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return r;
  char buf[256];
  while (std::fgets(buf, sizeof buf, pipe)) r.output += buf;
  const int raw = ::pclose(pipe);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

TEST(ProgramStart, BadFlagExitsWithStatusTwoAndHelpListsTheFlags) {
  const GameRun bad = rungame("", "--turbo");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.output.find("unknown option '--turbo'"), std::string::npos) << bad.output;
  const GameRun help = rungame("", "--help");
  EXPECT_EQ(help.status, 0);
  for (const char* flag : {"--windowed", "--fullscreen", "--renderer=", "--scale=", "--version", "--demo",
                           "--user-files", "--data-dir="})
    EXPECT_NE(help.output.find(flag), std::string::npos) << flag;
  EXPECT_NE(help.output.find("~/.local/share/rx907/"), std::string::npos) << "--help says where the files are";
  for (const char* file : {"api.dat", "opt.dat", "intro.dat", "saves/", "screenshots/"})
    EXPECT_NE(help.output.find(file), std::string::npos) << "--help names " << file;
  const GameRun version = rungame("", "--version");
  EXPECT_EQ(version.output, std::string("RX-907 v") + RX_VERSION + "\n") << "the version the build was given";
}

TEST(ProgramStart, NoDisplaySaysSoAndEndsInsteadOfRunningUnseen) {
  const GameRun r = rungame("cd \"$(mktemp -d)\" && env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER", "");
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.status, 124) << "the program hung with no display";
  EXPECT_NE(r.output.find("no display could be opened"), std::string::npos) << r.output;
}

TEST(ScreenshotKey, NamesCarryDateAndTimeAndNeverRepeat) {
  const std::regex form(R"(screenshots/rx907-\d{8}-\d{6}\.png)");
  EXPECT_TRUE(std::regex_match(screenshotname(1700000000), form)) << screenshotname(1700000000);
  const std::string again = screenshotname(1700000000, 2);
  EXPECT_EQ(again.substr(again.size() - 6), "-2.png");
}

TEST(ScreenshotKey, PrintScreenWritesThePictureAndSaysSo) {
  ASSERT_TRUE(plat::init(true));
  if (!plat::display_open()) {
    ASSERT_TRUE(plat::open_display(1024, 768, 0, 60, plat::RendererSoftware));
  }
  const fs::path home = fs::current_path();
  const fs::path dir = fs::temp_directory_path() / ("rx907_shotkey_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::current_path(dir);

  resetinput();
  plat::RawInput in;
  updateinputfrom(in);
  screenshotkey();
  EXPECT_FALSE(fs::exists(screenshotdir)) << "no shot without the key";
  in.key[keyprintscreen] = true;
  for (int shot = 0; shot < 2; ++shot) {
    updateinputfrom(plat::RawInput{});
    updateinputfrom(in);
    screenshotkey();
  }
  int files = 0;
  for (const auto& entry : fs::directory_iterator(screenshotdir)) {
    ++files;
    EXPECT_GT(fs::file_size(entry.path()), 1000u);
  }
  EXPECT_EQ(files, 2) << "a second shot in the same second keeps the first";
  EXPECT_EQ(messagetext, "Screenshot saved");

  fs::current_path(home);
  fs::remove_all(dir);
}

// Each tap is a picture, even three that come before one frame reads the
// keyboard; F12 takes them too while no action uses it; in play a key
// bound to an action is that action only.
TEST(ScreenshotKey, EveryTapIsAPictureAndABoundKeyIsItsActionInPlay) {
  ASSERT_TRUE(plat::init(true));
  if (!plat::display_open()) {
    ASSERT_TRUE(plat::open_display(1024, 768, 0, 60, plat::RendererSoftware));
  }
  const fs::path home = fs::current_path();
  const fs::path dir = fs::temp_directory_path() / ("rx907_shottaps_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::current_path(dir);
  auto files = [] {
    int n = 0;
    if (fs::exists(screenshotdir))
      for ([[maybe_unused]] const auto& entry : fs::directory_iterator(screenshotdir)) ++n;
    return n;
  };
  auto press = [](std::initializer_list<int> held) {
    updateinputfrom(plat::RawInput{});
    plat::RawInput in;
    for (int k : held) in.key[k] = true;
    updateinputfrom(in);
    screenshotkey();
  };
  const int savedstate = gamestate, savedplayers = numplayers;
  gamestate = statemainmenu;
  resetinput();
  plat::RawInput in;
  plat::poll_input(in);
  for (int tap = 0; tap < 3; ++tap) {
    ASSERT_TRUE(plat::synthetic::key(keyprintscreen, true));
    ASSERT_TRUE(plat::synthetic::key(keyprintscreen, false));
  }
  plat::poll_input(in);
  updateinputfrom(in);
  screenshotkey();
  EXPECT_EQ(files(), 3) << "three quick taps";
  EXPECT_EQ(messagetext, "Screenshot saved");
  EXPECT_GT(messagey, 600) << "on a menu the line stays clear of the items";
  plat::poll_input(in);  // the taps are counted once

  press({keyf12});
  EXPECT_EQ(files(), 4) << "F12 with no action on it";
  press({keylctrl, keyf12});
  EXPECT_EQ(files(), 4) << "Ctrl+F12 switches the debug lines only";

  keys[1][actshoot] = keyprintscreen;
  keys[2][actuse] = keyf12;
  numplayers = 1;
  gamestate = stateplay;
  press({keyprintscreen});
  EXPECT_EQ(files(), 4) << "Print Screen bound to SHOOT shoots in play";
  gamestate = statemainmenu;
  press({keyprintscreen});
  EXPECT_EQ(files(), 5) << "on a menu it is the screenshot key again";
  press({keyf12});
  EXPECT_EQ(files(), 5) << "F12 is player 2's USE";

  resetbindings();
  gamestate = savedstate;
  numplayers = savedplayers;
  resetinput();
  fs::current_path(home);
  fs::remove_all(dir);
}

// Menus clear their hits as they take them; the frame reads Print Screen
// before any screen runs, so a menu frame takes the shot as play does.
TEST(ScreenshotKey, EveryMenuScreenTakesShots) {
  ASSERT_TRUE(plat::init(true));
  if (!plat::display_open()) {
    ASSERT_TRUE(plat::open_display(1024, 768, 0, 60, plat::RendererSoftware));
  }
  const fs::path home = fs::current_path();
  const fs::path dir = fs::temp_directory_path() / ("rx907_menushot_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::current_path(dir);
  const int savedstate = gamestate;
  int expected = 0;
  for (int screen : {statemainmenu, stategamemode, stateoptions, statesettings}) {
    gamestate = screen;
    nextstate = 0;
    resetinput();
    updateinputfrom(plat::RawInput{});
    plat::RawInput in;
    in.key[keyprintscreen] = true;
    updateinputfrom(in);
    runframe();
    ++expected;
    int files = 0;
    if (fs::exists(screenshotdir))
      for ([[maybe_unused]] const auto& entry : fs::directory_iterator(screenshotdir)) ++files;
    EXPECT_EQ(files, expected) << "no shot on screen " << screen;
  }
  gamestate = savedstate;
  nextstate = 0;
  resetinput();
  fs::current_path(home);
  fs::remove_all(dir);
}

}  // namespace
