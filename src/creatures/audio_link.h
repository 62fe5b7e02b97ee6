// The sound, music and settings calls the creature and set-up code makes.
// They belong to the audio and options modules; until those are linked in,
// audio_fallback.cpp keeps the game silent with default settings.
#pragma once

extern int settings[11];
extern int splitoption;
extern int musicmode;

int playsound(int sound);
void pausemusic();
void startgamemusic();
