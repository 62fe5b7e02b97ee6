// Which side scales a software window's picture to the screen: the X server
// (x11_present.h) while its presents keep pace, the game's own scaler once
// they keep coming late (the server's scaling of a desktop-sized picture
// takes most of a core, and a machine whose other core is busy cannot give
// it that), and the server again on trial now and then, kept when it keeps
// pace. Both draw the same picture; only the cost moves.
#pragma once

#include <algorithm>

namespace plat {

class ScalingChoice {
 public:
  // Presents in one look at the lateness, and how many late ones in it move
  // the scaling into the game.
  static constexpr int window = 60;
  static constexpr int late_limit = 12;
  // Milliseconds in the game's scaling before the server is tried again:
  // doubled after each failed trial, up to the longest.
  static constexpr double first_trial_ms = 20000;
  static constexpr double longest_trial_ms = 320000;

  bool server() const { return server_; }

  // One present, `late_ms` after its tick, of a frame period of period_ms,
  // at now_ms; true when the scaling changes sides for the next one.
  bool note_present(double late_ms, double period_ms, double now_ms) {
    ++seen_;
    if (late_ms > period_ms / 4) ++late_;
    if (server_) {
      if (late_ >= late_limit && now_ms >= hold_until_ms_) {
        // Late with the server's scaling: the game takes it.
        if (on_trial_) trial_ms_ = std::min(trial_ms_ * 2, longest_trial_ms);
        server_late_ = late_;
        switch_to(false, now_ms);
        return true;
      }
      if (seen_ >= window) {
        if (on_trial_) trial_ms_ = first_trial_ms;  // the server keeps pace again
        on_trial_ = false;
        restart_window();
      }
      return false;
    }
    if (seen_ >= window) {
      // No better in the game: back to the server, which keeps the scaling
      // for a while, late or not, rather than have it change sides every
      // second.
      if (late_ >= server_late_) {
        trial_ms_ = std::min(trial_ms_ * 2, longest_trial_ms);
        hold_until_ms_ = now_ms + trial_ms_;
        switch_to(true, now_ms);
        on_trial_ = false;
        return true;
      }
      restart_window();
    }
    if (now_ms - since_ms_ >= trial_ms_) {
      switch_to(true, now_ms);
      on_trial_ = true;
      return true;
    }
    return false;
  }

 private:
  void restart_window() { seen_ = late_ = 0; }
  void switch_to(bool server, double now_ms) {
    server_ = server;
    since_ms_ = now_ms;
    restart_window();
  }

  bool server_ = true;
  bool on_trial_ = false;
  int seen_ = 0, late_ = 0;
  int server_late_ = window;
  double since_ms_ = 0;
  double trial_ms_ = first_trial_ms;
  double hold_until_ms_ = 0;
};

}  // namespace plat
