// The machine player: each frame it reads the game state and writes one
// input snapshot, the same struct a recording keeps, and never touches the
// game state itself. It plays player 1 of a one-player game from the first
// frame of play to the results: it sends a member to the nest room, shoots
// it clean, pages through the objective message, brings every living member
// home to the base room and pages through the results. It aims with the
// keyboard, or with the mouse while the mouse-aiming option is on.
#pragma once

#include <vector>

#include "app/autoplayer/hands.h"
#include "app/autoplayer/member_mind.h"
#include "platform/platform.h"

class AutoPlayer {
 public:
  // The snapshot for the coming frame.
  const plat::RawInput& next();

  // The member it would control now and that member's task (for tests,
  // tools and the demo's debugging).
  int chosenmember() const { return chosen_; }
  Task task(int m) const { return minds_[m].task(); }

 private:
  void play();
  void panelkeys();
  void formparty();
  int choosemember(Orders& orders) const;
  int medicalroomfor(int leader) const;

  Hands hands_;
  MemberMind minds_[7];
  std::vector<int> party_;  // members out together, the leader first
  int chosen_ = 0;
  bool settled_ = false;    // a still frame has passed before a switch
};
