// What each loader does with one input of untrusted bytes, shared by the
// libFuzzer programs and the corpus replay in the test suite. Each runs the
// game's own parsing code on bytes held in memory and aborts when a rule a
// loaded file must keep is broken.
#pragma once

#include <cstddef>
#include <cstdint>

void fuzz_options(const uint8_t* data, size_t size);    // opt.dat
void fuzz_api(const uint8_t* data, size_t size);        // api.dat
void fuzz_savename(const uint8_t* data, size_t size);   // a slot's .nam file
void fuzz_container(const uint8_t* data, size_t size);  // a slot's .907 file
// A decompressed payload; an accepted one is then played for a few frames.
void fuzz_payload(const uint8_t* data, size_t size);
// A recording (replays/*.rxreplay); an accepted one is played for a few
// hundred frames. Its body alone can be fuzzed too: fuzz_replaybody wraps
// the bytes in a header and checksum this build accepts, so the fuzzer
// reaches the body's reader without forging a CRC.
void fuzz_replay(const uint8_t* data, size_t size);
void fuzz_replaybody(const uint8_t* data, size_t size);
