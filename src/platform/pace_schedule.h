// The present schedule: ticks of 1/hz seconds on the millisecond clock. A
// present waits for the next tick, so no more than hz frames a second reach
// the screen however fast they are drawn. After a long stall the schedule
// restarts from the present moment instead of rushing to catch up.
#pragma once

namespace plat {

class PaceSchedule {
 public:
  explicit PaceSchedule(int hz = 60) { set_rate(hz); }
  void set_rate(int hz) { period_ = 1000.0 / (hz > 0 ? hz : 60); }
  void restart() { next_ = 0.0; }
  // Milliseconds to sleep before presenting at time now (ms).
  double wait_before_present(double now) {
    late_ = next_ != 0.0 && now > next_ + period_ ? now - (next_ + period_) : 0.0;
    if (next_ == 0.0 || now > next_ + 2 * period_) {
      // A late frame presents at once; the schedule counts on from here.
      next_ = now;
      return 0.0;
    }
    next_ += period_;
    return next_ > now ? next_ - now : 0.0;
  }
  // How long after its tick the last present came (0 when on time).
  double last_late() const { return late_; }
  double period() const { return period_; }

 private:
  double period_ = 1000.0 / 60;
  double next_ = 0.0;
  double late_ = 0.0;
};

}  // namespace plat
