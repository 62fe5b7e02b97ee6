#include "fuzz_inputs.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/harness/session.h"
#include "app/replay/content_hash.h"
#include "app/replay/event_reader.h"
#include "app/replay/playback.h"
#include "app/replay/reader.h"
#include "app/replay/writer.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"
#include "frontend/api_file.h"
#include "frontend/options_file.h"
#include "frontend/packfile.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "input/bindings.h"
#include "squad/roster.h"

namespace {

void require(bool ok, const char* rule) {
  if (ok) return;
  std::fprintf(stderr, "broken: %s\n", rule);
  std::abort();
}

std::vector<uint8_t> bytesof(const uint8_t* data, size_t size) {
  return std::vector<uint8_t>(data, data + size);
}

bool bindingcode(int v) {
  if (v >= 0 && v <= 310) return true;
  return v >= 400 && (v - 400) / 100 <= 20 && (v - 400) % 100 <= 34;
}

}  // namespace

void fuzz_options(const uint8_t* data, size_t size) {
  resetoptions();
  parseoptions(bytesof(data, size));
  for (int s = 1; s <= 10; ++s)
    require(s == setjoysensitivity ? settings[s] >= 10 && settings[s] <= 100 : settings[s] == 0 || settings[s] == 1,
            "setting in range");
  for (int p = 1; p <= 2; ++p)
    for (int a = 1; a <= 8; ++a) require(bindingcode(keys[p][a]), "binding code usable");
  require(splitoption == 0 || splitoption == 1, "split option 0 or 1");
  for (int s = 1; s <= 6; ++s) {
    require(squadpick[s][pickroster] >= 1 && squadpick[s][pickroster] <= rostercount, "squad pick a roster number");
    for (int t = 1; t < s; ++t) require(squadpick[s][pickroster] != squadpick[t][pickroster], "squad picks distinct");
  }
  // What was taken writes back and reads again to the same file.
  const std::vector<uint8_t> once = optionbytes();
  resetoptions();
  parseoptions(once);
  require(optionbytes() == once, "options round trip");
}

void fuzz_api(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes = bytesof(data, size);
  for (int fallback : {0, 1, 7}) {
    const int mode = parseapi(bytes, fallback);
    require(mode == 0 || mode == 1 || mode == fallback, "api mode 0, 1 or the fallback");
  }
}

void fuzz_savename(const uint8_t* data, size_t size) {
  const std::string name = parsesavename(bytesof(data, size));
  require(name.empty() || name.size() + 8 <= size, "name within the file");
}

void fuzz_container(const uint8_t* data, size_t size) {
  std::vector<uint8_t> raw;
  if (!unpackbytes(bytesof(data, size), raw)) return;
  require(static_cast<int64_t>(raw.size()) <= packmaxraw, "payload within the limit");
  std::vector<uint8_t> again, back;
  require(packbytes(raw, again) && unpackbytes(again, back) && back == raw, "container round trip");
  fuzz_payload(raw.data(), raw.size());
}

void fuzz_payload(const uint8_t* data, size_t size) {
  SessionSetup setup;
  setup.players = 2;
  setup.split = 2;
  startsession(setup);
  const std::vector<uint8_t> bytes = bytesof(data, size);
  if (!readpayload(bytes)) return;
  // What was loaded saves again as a payload the game accepts.
  require(checkpayload(writepayload(rndseed)), "loaded state saves again");
  // And the game plays on from it: fire, use and walk for a few frames.
  plat::RawInput in;
  for (int p = 1; p <= 2; ++p)
    for (int a : {actup, actshoot, actuse})
      if (keys[p][a] > 0 && keys[p][a] < 251) in.key[keys[p][a]] = true;
  in.mouse[1] = in.mouse[2] = true;
  for (int f = 0; f < 6; ++f) sessionframe(f % 2 ? plat::RawInput{} : in);
}

namespace {

// Plays an accepted recording for a while: whatever it holds, play runs.
void playsome(const ReplayFile& f) {
  setreplayplaying(true);
  ReplayPlayer player;
  if (player.start(f))
    for (int i = 0; i < 300 && player.step() == ReplayPlayer::stepped; ++i) {
    }
  setreplayplaying(false);
}

void readandplay(const std::vector<uint8_t>& bytes) {
  ReplayFile f;
  ReplayRefusal why;
  if (!readreplay(bytes, f, why)) {
    require(!why.text.empty() && !why.line.empty(), "a refusal says why");
    return;
  }
  require(f.header.frames >= 0 && f.start.kind != 0, "an accepted recording is whole");
  playsome(f);
}

}  // namespace

void fuzz_replay(const uint8_t* data, size_t size) {
  SessionSetup setup;
  startsession(setup);
  readandplay(bytesof(data, size));
}

void fuzz_replaybody(const uint8_t* data, size_t size) {
  SessionSetup setup;
  startsession(setup);
  // The frame count the header must give is the body's own, as far as its
  // events can be read.
  ReplayWriter w;
  w.header.version = replayversion();
  w.header.content = contenthash();
  w.header.start = size > 0 && data[0] == startsaved ? startsaved : startnewgame;
  w.body().assign(data, data + size);
  replayio::Cursor c(w.body());
  StartPoint start;
  if (readstart(c, start)) {
    EventReader r(w.body(), c.pos(), start.leadin[1]);
    ReplayEvent e;
    int64_t frames = 0;
    while (r.next(e) && frames < replayframemax) frames += e.tag == tagidle ? e.frames : e.tag == tagframe;
    w.header.frames = static_cast<int32_t>(frames < replayframemax ? frames : replayframemax);
  }
  std::vector<uint8_t> file;
  require(w.filebytes(file), "a body packs");
  readandplay(file);
}
