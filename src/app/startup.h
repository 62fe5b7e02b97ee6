// Everything between process start and the first frame of the main menu:
// the small start-up window (renderer choice, run or quit), the game
// display, the frame-rate probe, the loading screen and the loading itself.
#pragma once

#include "app/command_line.h"

#include <cstdint>
#include <functional>

// Hover flags of RUN GAME, CHANGE MODE, QUIT and the close box (1..4).
extern int smhover[6];
extern int frametimer;  // 60 Hz
extern int probefps;

// The start-up window: 480 x 360, its controls in window pixels.
constexpr int startupw = 480, startuph = 360;
struct StartupMenu {
  int action = 0;     // 0 none yet, 1 run the game, 3 quit
  int modeerror = 0;  // 1 after RUN GAME found no 1024 x 768 x 32 mode
  int winx = 0, winy = 0;
  int dragging = 0;
  int dragcx = 0, dragcy = 0;  // cursor when the drag began (desktop)
  int dragwx = 0, dragwy = 0;  // window position when the drag began
  int keysel = 0;              // highlight of the arrow keys and pad: 1..3, 0 none
  int keysmoved = 0;           // 1 when the keys moved it since the pointer last did
  int lastpx = -1, lastpy = -1;  // pointer of the last frame
};

// The pointer as one frame of the start-up window sees it.
struct StartupPointer {
  int x = 0, y = 0;              // relative to the window's drawing area
  bool inside = true;            // over the window
  int screenx = 0, screeny = 0;  // on the desktop (dragging)
};

// One frame of the start-up window from the input tables; modeok tells
// whether the game's display mode exists.
void startupstep(StartupMenu& m, const StartupPointer& p, const std::function<bool()>& modeok);
void drawstartupmenu(const StartupMenu& m);
// Loads the start-up window's pictures and the menu font, each with its mask colour.
void loadstartupimages();
// The renderer choice as the start-up window names it: apimode 0 is the
// platform's default renderer, 1 OpenGL.
const char* startuprenderername(int mode);

// Runs the start-up window until the player runs the game (1) or quits
// (3). poll takes one input snapshot per frame.
int runstartupmenu(const std::function<void()>& poll);

// The frame-rate probe: counts frames and, every half second, sets probefps
// from the count. Returns probefps (0 until the first half second closes).
int probecounter(uint32_t now);
void resetprobe(uint32_t now);

// Green level of the loading-screen text at fade step n.
int loadinglevel(int n);
void drawloadingscreen(int level);
// The fade-in (n from 0 up to 40) and the fade-out (from n down to 0);
// present shows each drawn frame. The fade-in returns its last n.
int loadingfadein(const std::function<void()>& present);
void loadingfadeout(int n, const std::function<void()>& present);

// Everything before the first frame: the start-up window (poll takes one
// input snapshot per frame), the game display, the frame-rate probe, audio
// and the loading screen with all loading. True when the frame loop may
// begin (gamestate is then stateafterload); otherwise status is the exit status.
// options are the command line's renderer, window and scaling choices.
bool startprogram(bool headless, const std::function<void()>& poll, int& status,
                  const LaunchOptions& options = LaunchOptions{});
// The whole program: the command line, start-up window, display, loading,
// the frame loop. Returns the process exit status (2 for a bad flag).
int runprogram(int argc, const char* const* argv);
