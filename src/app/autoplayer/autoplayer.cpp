#include "app/autoplayer/autoplayer.h"

#include <algorithm>
#include <vector>

#include "app/autoplayer/route.h"
#include "app/autoplayer/targets.h"
#include "state/game_state.h"
#include "state/panel.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "input/keycodes.h"
#include "squad/member_fields.h"
#include "squad/squad.h"
#include "world/map.h"

namespace {

// The rounds kept back for fights on the way to the ammunition room: below
// them a member fetches more before going on.
constexpr int reserveammo = 6;
// The medical rooms heal whoever enters while no hunter is in them; a party
// member down to half its health makes for one within this many doors.
constexpr int medicalreach = 6;
// Rounds kept for the shots that miss on the way to the ammunition room.
constexpr int misses = 4;
// Members sent out together to the nest.
constexpr int partysize = 2;

bool alive(int m) { return squad[m][mdead] == 0; }
int roomof(int m) { return squad[m][mroom]; }

}  // namespace

const plat::RawInput& AutoPlayer::next() {
  hands_.begin();
  if (gamestate == stateplay) {
    play();
  } else if (gamestate == statemissionend || gamestate == statesquadlost) {
    // Each message waits for a key once the panel has slid away.
    if (pausepos == 0) hands_.tapkey(keyspace);
  }
  return hands_.finish();
}

void AutoPlayer::panelkeys() {
  // The board opened by a new wave or a mission phase is closed as soon as
  // its counters stand still; the objective message opens on its own.
  if (pausepos == panelopenpos && missionflags[missionphase] != phaseannounced) hands_.tapkey(keyspace);
}

// The party: in the first phase the two toughest, best-armed living
// members go out together (one does it alone while ammunition is
// unlimited), so that between them they carry rounds enough for the nest
// and each rests while the other walks; on the way home every living member
// who is not yet in the base room.
void AutoPlayer::formparty() {
  const bool homeward = missionflags[missionphase] == phasehome;
  std::vector<int> keep;
  for (int m : party_)
    if (alive(m) && !(homeward && roomof(m) == baseroom)) keep.push_back(m);
  party_ = keep;
  if (homeward) {
    for (int m = 1; m <= 6; ++m)
      if (alive(m) && roomof(m) != baseroom && std::find(party_.begin(), party_.end(), m) == party_.end())
        party_.push_back(m);
    return;
  }
  if (!party_.empty()) return;
  const int size = unlimitedammo() ? 1 : partysize;
  std::vector<int> candidates;
  for (int m = 1; m <= 6; ++m)
    if (alive(m)) candidates.push_back(m);
  auto kit = [](int m) { return squad[m][mmaxhealth] * 1000 + squad[m][mmaxammo]; };
  std::stable_sort(candidates.begin(), candidates.end(), [&](int a, int b) { return kit(a) > kit(b); });
  for (int i = 0; i < size && i < static_cast<int>(candidates.size()); ++i) party_.push_back(candidates[i]);
}

// Whom to control and where to send them: a member left behind catches up
// with the leader first; in the nest whoever still has rounds shoots; else
// the leader walks on.
int AutoPlayer::choosemember(Orders& orders) const {
  orders = Orders{};
  if (party_.empty()) return curmember[1];
  // A leader out of rounds hands the lead to whoever has the most: that one
  // clears the doorways the others then walk through.
  int leader = party_.front();
  if (squad[leader][mammo] <= 0 && !unlimitedammo())
    for (int m : party_)
      if (squad[m][mammo] > squad[leader][mammo]) leader = m;
  for (int m : party_) {
    if (roomof(m) == roomof(leader)) continue;
    // One with no rounds and every way on needing a shot cannot come: the
    // leader goes to it instead, clearing the way.
    const bool stuck = squad[m][mammo] <= 0 && !unlimitedammo() && nextroom(roomof(m), roomof(leader), true) == 0;
    if (stuck && (squad[leader][mammo] > 0 || unlimitedammo())) {
      orders.goal = roomof(m);
      return leader;
    }
    orders.goal = roomof(leader);
    return m;
  }
  const bool homeward = missionflags[missionphase] == phasehome;
  orders.goal = homeward ? baseroom : nestroom;
  orders.cleannest = missionflags[missionphase] == phaseopen;
  // The member with the most rounds does the shooting.
  int armed = leader;
  for (int m : party_)
    if (squad[m][mammo] > squad[armed][mammo]) armed = m;
  // A medical room heals only once its hunter is dead: without rounds to
  // spare the party fetches ammunition first.
  const int medical = unlimitedammo() || squad[armed][mammo] > reserveammo ? medicalroomfor(leader) : 0;
  if (medical != 0) {
    orders.goal = medical;
    orders.cleannest = false;
    orders.clearroom = true;
    return leader;
  }
  if (unlimitedammo()) return leader;
  // When everyone is down to the reserve, or the party carries no more than
  // the way to the ammunition room needs as it stands (slimed doorways,
  // locked doors) and a few for misses, it fetches a full load, on the way
  // home too (the ammunition room lies close to the base), so that nobody
  // is left somewhere with no rounds and no clean door out. In the nest the
  // party shoots on down to the reserve: the nest comes first.
  int carried = 0;
  for (int m : party_) carried += squad[m][mammo];
  const bool innest = orders.cleannest && roomof(leader) == nestroom;
  const int way = routeshots(roomof(leader), ammoroom);
  if (squad[armed][mammo] > reserveammo && (innest || carried > way + misses)) {
    if (homeward || roomof(leader) != nestroom) return leader;
    const int current = curmember[1];
    const bool currentarmed = std::find(party_.begin(), party_.end(), current) != party_.end() &&
                              squad[current][mammo] > reserveammo;
    return currentarmed ? current : armed;
  }
  if (routelength(roomof(leader), ammoroom) >= 0) {
    orders.goal = ammoroom;
    orders.cleannest = false;
  }
  // Out of rounds with every way to the ammunition room needing a shot: a
  // member waiting at the base with rounds comes out and clears the way.
  if (carried == 0 && nextroom(roomof(leader), ammoroom, true) == 0 && roomof(leader) != ammoroom) {
    int helper = 0;
    for (int m = 1; m <= 6; ++m)
      if (alive(m) && std::find(party_.begin(), party_.end(), m) == party_.end() &&
          squad[m][mammo] > reserveammo && (helper == 0 || squad[m][mammo] > squad[helper][mammo]))
        helper = m;
    if (helper != 0 && roomof(helper) != roomof(leader)) {
      orders.goal = roomof(leader);
      return helper;
    }
  }
  return leader;
}

// A medical room near the leader while a party member is badly hurt (and
// not while the nest is being shot clean); 0 otherwise.
int AutoPlayer::medicalroomfor(int leader) const {
  bool hurt = false;
  for (int m : party_) hurt = hurt || squad[m][mhealth] * 2 <= squad[m][mmaxhealth];
  if (!hurt || (roomof(leader) == nestroom && missionflags[missionphase] == phaseopen)) return 0;
  int best = 0, bestlength = medicalreach + 1;
  for (int r = firstmedicalroom; r <= lastmedicalroom; ++r) {
    const int length = routelength(roomof(leader), r);
    if (length >= 0 && length < bestlength) best = r, bestlength = length;
  }
  return best;
}

void AutoPlayer::play() {
  if (pausestate[panelactive] == 1) {
    panelkeys();
    return;
  }
  formparty();
  const int current = curmember[1];
  Orders orders;
  chosen_ = choosemember(orders);
  const bool canswitch = current < 1 || current > 6 || squad[current][mbusydoor] == 0;
  if (chosen_ != current && chosen_ >= 1 && canswitch) {
    // One still frame first, so the member left behind counts as resting
    // and gets its breath back while the other one moves.
    if (settled_) hands_.tapkey(digitkey(chosen_));  // 1..6 pick a member directly
    settled_ = !settled_;
    return;
  }
  settled_ = false;
  if (current < 1 || current > 6 || !alive(current)) return;
  if (settings[setmouseaiming] == 1) {
    // The pointer stays on the crosshair unless the member aims elsewhere.
    hands_.movemouse(squad[current][mcrossx], squad[current][mcrossy]);
  }
  minds_[current].step(hands_, 1, current, orders);
}
