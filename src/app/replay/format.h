// A recording file: a short header that names the build it came from and
// sums up the game, a zlib stream of the body, and a CRC-32 of everything
// before it. Integers are little-endian.
//
//   int32  magic 5907
//   int32  format 1
//   string version (int32 length, bytes)  the game version that recorded it
//   int64  content hash                   contenthash() of that build
//   int32  start                          StartKind
//   int32  players                        1 or 2
//   int32  frames                         frames of play recorded
//   int32  clock                          mission clock at the last frame
//   int32  result                         GameResult
//   int64  final hash                     state hash after the last frame
//   int32  body size                      bytes of the body unpacked
//   int32  packed size                    bytes of the zlib stream
//   bytes  zlib stream of the body
//   uint32 CRC-32 of every byte above
//
// The body: the starting point (StartKind), the carried values, the play
// settings and the input snapshot applied just before the first frame,
// then events (Tag) to its end. A frame's input snapshot is stored as the
// 32-bit words that changed since the frame before, each as its position
// and the difference; a run of unchanged frames as its length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr int32_t replaymagic = 5907;
inline constexpr int32_t replayformat = 1;
// Limits a file must keep to be read at all.
inline constexpr size_t replayfilemax = 32u << 20;    // bytes of the file
inline constexpr size_t replaybodymax = 160u << 20;   // bytes of the body unpacked
inline constexpr int32_t replayframemax = 60 * 60 * 60 * 24;  // a day of play
inline constexpr size_t replayversionmax = 64;
// The state hash is stored after every this many frames.
inline constexpr int checkpointframes = 600;

enum StartKind : int32_t {
  startnewgame = 1,  // seed, players, split and squad: the new-game set-up is run again
  startsaved = 2,    // a whole saved-game payload (LOAD GAME, F9, or a game picked up later)
};

enum GameResult : int32_t {
  resultunfinished = 0,
  resultwon = 1,       // the results were paged through
  resultsquadlost = 2, // the failure notice was paged through
};

enum Tag : uint8_t {
  tagframe = 1,      // one frame: count, then (position step, difference) per changed word
  tagsameframe = 2,  // one frame changing the same words as the last tagframe: the differences
  tagidle = 3,       // a run of frames whose snapshot did not change: its length
  taginput = 4,      // a snapshot applied without a frame (the last menu frame): as tagframe
  tagsettings = 5,   // the play settings, from the next frame on: count, values
  tagcarried = 6,    // the carried values, as play goes on after the menus
  tagcheck = 7,      // the state hash after the frames so far: 8 bytes
};

struct ReplayHeader {
  std::string version;
  uint64_t content = 0;
  int32_t start = startnewgame;
  int32_t players = 1;
  int32_t frames = 0;
  int32_t clock = 0;
  int32_t result = resultunfinished;
  uint64_t finalhash = 0;
};

// "00:12:34" for a mission clock in frames (60 a second).
std::string replayclocktext(int frames);
