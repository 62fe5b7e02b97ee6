#include "app/replay/recorder.h"

#include <memory>

#include "app/ingame.h"
#include "app/replay/carried_state.h"
#include "app/replay/content_hash.h"
#include "app/replay/file_writer.h"
#include "app/replay/input_delta.h"
#include "app/replay/play_settings.h"
#include "app/replay/playback.h"
#include "app/replay/reader.h"
#include "app/replay/replay_files.h"
#include "app/replay/start_point.h"
#include "app/replay/state_hash.h"
#include "app/replay/writer.h"
#include "frontend/newgame.h"
#include "frontend/save_fields.h"
#include "input/input.h"
#include "platform/random.h"
#include "render/messages.h"
#include "squad/squad.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"

namespace {

// The recording of the game in progress.
struct Active {
  ReplayWriter writer;
  std::unique_ptr<InputEncoder> input;
  std::string path;
  int serial = 0;                 // gamesbegun when it began
  std::vector<int32_t> settings;  // as last recorded
  bool away = false;              // play has left for the menus
  uint64_t awayhash = 0;          // the state hash when it left
  int sinceflush = 0;
  bool warned = false;            // a failed write has been reported
};

struct Recorder {
  bool on = false;
  std::unique_ptr<Active> active;
  int seenserial = 0;        // gamesbegun at the last frame seen
  // The frame under way.
  bool taking = false;
  SnapshotWords now{};
  int serialatbegin = 0;
  bool quickloadahead = false;
  uint64_t beforehash = 0;
};

Recorder& rec() {
  static Recorder r;
  return r;
}

const std::string nopath;

// Frames that are part of a game a person plays.
bool recordable() {
  return gameinprogress == 1 && demoplaying == 0 &&
         (gamestate == stateplay || gamestate == statemissionend || gamestate == statesquadlost);
}

int32_t result() {
  if (gameinprogress == 0 && missionflags[missionhome] != 0) return resultwon;
  if (gameinprogress == 0 && alldead == 1) return resultsquadlost;
  return resultunfinished;
}

int statusrow() {
  if (gamestate != stateplay) return 384;
  return numplayers == 1 ? 192 : 240;
}

// Replaces the file with everything recorded so far; finalhash is the
// state hash after the last frame recorded.
void writeout(Active& a, uint64_t finalhash) {
  a.input->flushidle(a.writer.body());
  a.writer.header.clock = teamstat[teamrow][statclock];
  a.writer.header.result = result();
  a.writer.header.finalhash = finalhash;
  a.sinceflush = 0;
  std::vector<uint8_t> bytes;
  const bool made = a.writer.filebytes(bytes) && !a.path.empty();
  if (made) writelater(a.path, std::move(bytes));
  // A write that failed shows here, a few seconds late, once a recording.
  if ((made && !writefailed()) || a.warned) return;
  postmessage("ERROR: Unable to save the replay", statusrow(), 1);
  a.warned = true;
}

void close(uint64_t finalhash) {
  Recorder& r = rec();
  if (!r.active) return;
  writeout(*r.active, finalhash);
  r.active.reset();
}

// A recording that begins with the state as it stands, the snapshots
// applied before it being older and last.
void begin(bool newgame, const plat::RawInput& older, const plat::RawInput& last) {
  Recorder& r = rec();
  r.active = std::make_unique<Active>();
  Active& a = *r.active;
  StartPoint s;
  if (newgame) {
    s.kind = startnewgame;
    s.seed = newgameseed;
    s.players = modeplayers == 2 ? 2 : 1;
    s.split = splitoption ? 1 : 0;
    for (int m = 1; m <= 6; ++m) s.squad[m] = squadchar[m];
  } else {
    s.kind = startsaved;
    s.payload = writepayload(static_cast<int32_t>(plat::random_seed()));
  }
  s.hash = quickstatehash();
  s.carried = capturecarried();
  s.settings = captureplaysettings();
  s.leadin[0] = wordsof(older);
  s.leadin[1] = wordsof(last);
  writestart(a.writer.body(), s);

  ReplayHeader& h = a.writer.header;
  h.version = replayversion();
  h.content = contenthash();
  h.start = s.kind;
  h.players = numplayers == 2 ? 2 : 1;
  a.input = std::make_unique<InputEncoder>(s.leadin[1]);
  a.serial = gamesbegun;
  a.settings = s.settings;
  a.path = newreplaypath();
  writeout(a, s.hash);
  prunereplays();
}

}  // namespace

void setrecording(bool on) {
  Recorder& r = rec();
  if (!on) {
    if (r.active) close(r.active->away ? r.active->awayhash : quickstatehash());
    waitforwrites();
  }
  r.on = on;
}

bool recordingon() { return rec().on; }

const std::string& recordingpath() { return rec().active ? rec().active->path : nopath; }

void recordframebegin() {
  Recorder& r = rec();
  const SnapshotWords now = wordsof(lastinput());
  const bool begun = gamesbegun != r.seenserial;
  r.seenserial = gamesbegun;
  r.taking = false;
  if (!r.on || replayplaying() || !recordable()) return;
  if (!r.active || r.active->serial != gamesbegun) {
    if (r.active) close(r.active->away ? r.active->awayhash : quickstatehash());
    begin(begun && lastbeginnew == 1 && teamstat[teamrow][statclock] == 0, earlierinput(2), earlierinput(1));
  } else {
    Active& a = *r.active;
    std::vector<uint8_t>& body = a.writer.body();
    if (a.away) {
      // Back from the menus: what they may have changed, and the snapshots
      // of the last two menu frames, which the input's edges start from.
      a.input->flushidle(body);
      body.push_back(tagcarried);
      const CarriedState c = capturecarried();
      putints(body, c.fixed);
      putints(body, c.lists);
      a.input->input(body, wordsof(earlierinput(2)));
      a.input->input(body, wordsof(earlierinput(1)));
      a.away = false;
    }
    std::vector<int32_t> settings = captureplaysettings();
    if (settings != a.settings) {
      a.input->flushidle(body);
      body.push_back(tagsettings);
      putints(body, settings);
      a.settings.swap(settings);
    }
  }
  r.taking = true;
  r.now = now;
  r.serialatbegin = gamesbegun;
  // F9 ends this recording before its frame if the load succeeds.
  r.quickloadahead = gamestate == stateplay && controlscard == 0 && ingamekey() == ingamequickload;
  if (r.quickloadahead) r.beforehash = quickstatehash();
}

void recordframeend() {
  Recorder& r = rec();
  if (!r.taking || !r.active) return;
  r.taking = false;
  if (gamesbegun != r.serialatbegin) {
    // Quickloaded: the last recording ends before this frame; the next
    // begins with the state this frame left.
    close(r.quickloadahead ? r.beforehash : quickstatehash());
    begin(false, earlierinput(1), lastinput());
    r.seenserial = gamesbegun;
    return;
  }
  Active& a = *r.active;
  std::vector<uint8_t>& body = a.writer.body();
  a.input->frame(body, r.now);
  ReplayHeader& h = a.writer.header;
  h.frames += 1;
  if (h.frames % checkpointframes == 0) {
    a.input->flushidle(body);
    body.push_back(tagcheck);
    replayio::put64(body, quickstatehash());
  }
  if (!recordable()) {
    a.away = true;
    a.awayhash = quickstatehash();
    if (gameinprogress == 0) close(a.awayhash);  // the game is over
    else writeout(a, a.awayhash);
    return;
  }
  if (++a.sinceflush >= flushframes) writeout(a, quickstatehash());
}

void finishrecording() {
  Recorder& r = rec();
  if (r.active) close(r.active->away ? r.active->awayhash : quickstatehash());
  waitforwrites();
}
