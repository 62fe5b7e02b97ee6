// Picture sizes of the creatures, chosen from where the game draws them:
// roaming frames stand from their drawing y down to the floor line (view
// y 300), attack and death frames are sized so that the shared handle
// (width / 2, height * k + 0.5) lands on the creature's head.
#pragma once

namespace contentgen::creatures {

struct Size {
  int w, h;
};

inline constexpr int kFloorY = 300;  // where feet meet the floor in the room band

// Warrior: roaming frames drawn at y 110, corpses at y 80.
inline constexpr Size kWarriorWalk{204, kFloorY - 110};
inline constexpr Size kWarriorAttack{557, 496};
inline constexpr Size kWarriorCorpse{272, 230};
// The head alone, placed 18 px right of the creature's x (the frame's
// handle is 102) and at y 120, i.e. 10 px below the frame's top.
inline constexpr int kWarriorHandleX = 102;
inline constexpr int kHeadOffsetX = kWarriorHandleX + 18;
inline constexpr int kHeadOffsetY = 120 - 110;
inline constexpr Size kWarriorHead{84, 52};

// Hugger: roaming frames at y 264; corpses keep the body 53 px above y 264.
inline constexpr Size kHuggerWalk{242, kFloorY - 264};
inline constexpr Size kHuggerAttack{429, 492};
inline constexpr Size kHuggerCorpse{222, 53 + kFloorY - 264 + 4};

// Queen: roaming frames at y 12.
inline constexpr Size kQueenWalk{354, kFloorY - 12};
inline constexpr Size kQueenAttack{551, 610};

// Egg at y 216 with its 72 x 85 hit box; the hatching shells match it.
inline constexpr Size kEgg{72, 85};

// Colonist at y 154, cocooned colonist at y 100, close-up fills the screen
// at scale 2.23.
inline constexpr Size kWren{49, 145};
inline constexpr Size kCocoon{156, kFloorY - 100};
inline constexpr Size kColonistBig{460, 345};

}  // namespace contentgen::creatures
