// One squad member's small state machine while the machine player controls
// it: it walks from room to room towards a goal, clearing slime from the
// doorways, rescuing the colonist it meets, fighting what attacks it (and
// what it must shoot past), cleaning the nest, and resting when tired.
#pragma once

#include "app/autoplayer/hands.h"

enum class Task {
  travel,   // heading for the next door of the route
  door,     // walking through a door (the member takes no orders)
  fight,    // aiming at the room's creature and firing
  rescue,   // aiming at the colonist and using it
  clean,    // shooting slime off a wall slot
  opendoor, // shooting a locked door open
  rest,     // standing still until stamina has come back
  idle,     // at the goal with nothing to do
};

const char* taskname(Task t);

// What the member is after in this frame.
struct Orders {
  int goal = 0;            // room to walk to
  bool cleannest = false;  // shoot the nest room clean when standing in it
  bool clearroom = false;  // kill the hunter in the goal room (a medical room heals only then)
};

class MemberMind {
 public:
  // One frame of member m under player p.
  void step(Hands& hands, int p, int m, const Orders& orders);
  Task task() const { return task_; }

 private:
  void fire(Hands& hands, int p, int m);
  void standstill(Hands& hands, int p, int m, Task task);
  bool mustshoothere(int m, const Orders& orders, int door) const;
  void travel(Hands& hands, int p, int m, const Orders& orders);

  Task task_ = Task::travel;
  bool resting_ = false;
  int stillframes_ = 0;  // frames stood still in a row
  int glancey_ = 0;      // where a glance takes the crosshair
};
