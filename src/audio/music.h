// The streamed music: one looping Ogg Vorbis track at a time, the menu
// track or the game track, each in two variants (settings[setmusicvariant]).
#pragma once

#include <string>

extern int musicstream;   // open stream, 0 when none
extern int musicmode;     // 0 no music, 1 menu track, 2 game track
extern int musicpaused;   // 1 while stopped with its position remembered
extern double musicpos;   // the remembered position, seconds

enum MusicMode { musicnone = 0, musicmenu = 1, musicgame = 2 };

// The folder the tracks are read from, ending in a separator;
// "data\music\" (in the files folder) unless start-up finds them elsewhere.
extern std::string musicfolder;

// musicfolder + "track0_<variant>.ogg" (menu) or "track1_" (game), with the
// variant from settings[setmusicvariant].
std::string musictrack(int mode);

// Starts the menu or game track looping from its beginning (only while
// music playback is on). A missing file plays nothing but the mode is set.
void startmenumusic();
void startgamemusic();
// Stops and releases the stream; no music.
void stopmusic();

// Stops the playing track and remembers where it was (the application lost
// focus, or a creature surprise). Does nothing when no track is on or it is
// already paused.
void pausemusic();
// Plays a paused track again from where it stopped.
void resumemusic();
// The top of every frame: pauses while suspended, resumes once active.
// Returns true when the application is suspended and the frame should idle.
bool musicfocusstep(bool suspended);
