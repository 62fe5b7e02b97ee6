// An account of a mission kept from outside the game: after every frame it
// compares the room table with the frame before and books what happened by
// the rules of play (slime shot clean, creatures killed, the colonist
// rescued, the bonus room's first visit), so the credit points and kill
// counters the game keeps can be checked against it.
#pragma once

#include <array>
#include <vector>

class MissionLedger {
 public:
  // Takes the state before the first frame.
  void start();
  // Books the frame just played.
  void frame();

  int credit() const { return credit_; }
  // Kills per kill counter: [1] warriors, [2] eggs, huggers and cocooned
  // colonists, [3] queens.
  int kills(int counter) const { return kills_[counter]; }
  int rescues() const { return rescues_; }

 private:
  void take();

  struct Room {
    int kind = 0, cx = 0, visited = 0, scores = 0;
    std::array<bool, 65> slime{};
  };
  std::vector<Room> rooms_;
  int credit_ = 0;
  std::array<int, 4> kills_{};
  int rescues_ = 0;
};
