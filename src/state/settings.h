// The player's preferences and the squad screen's remembered choice, as the
// options file stores them. The tables start out holding the defaults.
#pragma once

// settings[1..10]:
//  1 music playback, 2 sound playback, 3 minimap, 4 compass, 5 show time,
//  6 music variant (0 enhanced, 1 plain), 7 joystick threshold in
//  hundredths of full travel (10..100), 8 mouse aiming, 9 visual alarms,
//  10 mini-cams.
extern int settings[11];
enum SettingIndex {
  setmusic = 1, setsound, setminimap, setcompass, setshowtime,
  setmusicvariant, setjoysensitivity, setmouseaiming, setvisualalarms, setminicams
};

// Squad screen: 0 split command, 1 shared.
extern int splitoption;
// Squad screen choice: slots 1..6; column pickroster holds the roster
// number, columns pickbar(1..4) the four attribute bars as shown.
extern int squadpick[7][6];
inline constexpr int pickroster = 1;
constexpr int pickbar(int attribute) { return pickroster + attribute; }

// The settings table's defaults.
void resetsettings();
// The split choice and the squad choice back to their defaults.
void resetsquadchoice();
