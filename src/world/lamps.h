// Lamps and alarm lights of every room, advanced once per frame of play.
#pragma once

// Room-record slots of the lamps and alarms.
inline constexpr int flickerperiod = 22;
inline constexpr int flickerlamp = 25;
inline constexpr int flickerphase = 26;
inline constexpr int flickercount = 27;
inline constexpr int alarmroom = 28;
inline constexpr int alarmdir = 29;
inline constexpr int alarmlevel = 30;
inline constexpr int powercut = 98;
inline constexpr int visited = 99;
inline constexpr int lampbroken = 100;

// Flickering lamps and the rare lamp failure where the players stand.
void updatelamps();
// Alarm light pulses of every alarm room.
void updatealarms();
// 1 while room r has an alarm and its light is on.
int litalarmroom(int r);
