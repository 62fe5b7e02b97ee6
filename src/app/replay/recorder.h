// Records every game a person plays (one or two players, never a demo,
// never a playback) into the replays folder. The frame step calls it
// before and after each frame; it keeps the frames of play (and of the
// mission-end screens), a change of the play settings at the frame it
// takes effect, and the state hash every checkpointframes frames. A new
// game, a load and a quickload each begin a new recording. The file of the
// game in progress is replaced whole every flushframes frames and whenever
// play leaves for the menus, so a crash loses at most those seconds.
#pragma once

#include <string>

// Frames between two rewrites of the file while play goes on (5 s).
inline constexpr int flushframes = 300;

// Off until the program (or a test) turns it on.
void setrecording(bool on);
bool recordingon();
// Around one frame: after the input snapshot and any requested screen
// change have been applied, and after the frame has run.
void recordframebegin();
void recordframeend();
// Closes the recording in progress, writing its file a last time (the
// program is ending).
void finishrecording();
// The file of the recording in progress ("" none).
const std::string& recordingpath();
