// A 64-bit fingerprint of the running game: every field of the state lists
// (frontend/save_field_list.h), the saved ones with the generator's live
// state in place of the stored seed, then the ones a save leaves out. Two
// runs that hash alike after the same frames have played the same game.
#pragma once

#include <cstdint>

uint64_t statehash();
// The same fields mixed eight bytes at a time: what recordings store
// (a fraction of a millisecond, where statehash takes a few).
uint64_t quickstatehash();
