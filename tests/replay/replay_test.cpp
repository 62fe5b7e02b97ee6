// Recording and playing back real play: a two-player session with a
// quickload and an OPTIONS change plays back hash for hash; one changed
// input byte is caught at the next stored hash; recordings from another
// build, cut short, damaged or too large are refused by name; a whole
// mission won by the machine player passes `rx907 --verify`.
#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "app/harness/mission_run.h"
#include "app/replay/content_hash.h"
#include "app/replay/input_delta.h"
#include "app/replay/state_hash.h"
#include "app/replay/verify.h"
#include "frontend/newgame.h"
#include "input/keycodes.h"
#include "replay/replay_fixture.h"
#include "session/random_player.h"
#include "state/game_state.h"
#include "state/play_state.h"
#include "state/settings.h"

namespace replaytest {
namespace {

// Closes the side panel if the scripted player left it open (F5 and F9 do
// nothing while it is).
void closepanel() {
  for (int i = 0; i < 400 && pausestate[panelactive] != 0; ++i) {
    plat::RawInput in;
    in.key[keyspace] = i % 2 == 0;
    playframe(in);
  }
}

int countevents(const ReplayFile& f, Tag tag) {
  EventReader r(f.body, f.events, f.start.leadin[1]);
  ReplayEvent e;
  int n = 0;
  while (r.next(e)) n += e.tag == tag;
  return n;
}

TEST_F(ReplayTest, TwoPlayersWithAQuickloadAndAnOptionsChangePlayBackHashForHash) {
  SessionSetup s;
  s.seed = 2024;
  s.players = 2;
  s.split = 1;
  startsession(s);
  setrecording(true);
  RandomPlayer player(31, 2);
  for (int f = 0; f < 700; ++f) frame(player.nextplaying());
  closepanel();
  tap(keyf5);
  for (int f = 0; f < 400; ++f) frame(player.nextplaying());
  closepanel();
  // Escape, OPTIONS, SETTINGS, MOUSE AIMING on, back out, CONTINUE GAME.
  tap(keyescape);
  ASSERT_EQ(gamestate, statemainmenu);
  for (int i = 0; i < 4; ++i) tap(keyarrowdown);
  tap(keyenter);
  tap(keyenter);
  ASSERT_EQ(gamestate, statesettings);
  for (int i = 0; i < 4; ++i) tap(keyarrowdown);
  tap(keyenter);
  tap(keyescape);
  tap(keyescape);
  tap(keyarrowdown);
  tap(keyenter);
  ASSERT_EQ(gamestate, stateplay);
  ASSERT_EQ(settings[setmouseaiming], 1);
  for (int f = 0; f < 700; ++f) frame(player.nextplaying());
  closepanel();
  const int begun = gamesbegun;
  tap(keyf9);
  ASSERT_EQ(gamesbegun, begun + 1) << "the quickload";
  for (int f = 0; f < 800; ++f) frame(player.nextplaying());
  const uint64_t live = statehash();
  setrecording(false);

  const std::vector<ReplayFile> recs = recordings();
  ASSERT_EQ(recs.size(), 2u) << "the quickload begins a second recording";
  // Playback writes nothing: the F5 it repeats saves no game.
  fs::remove_all(dir / "saves");
  fs::remove(dir / "opt.dat");
  EXPECT_EQ(recs[0].header.start, startnewgame);
  EXPECT_EQ(recs[1].header.start, startsaved);
  EXPECT_EQ(recs[0].header.players, 2);
  EXPECT_GE(countevents(recs[0], tagsettings), 1) << "MOUSE AIMING switched on in the menus";
  EXPECT_GE(countevents(recs[0], tagcarried), 1) << "play went on after the menus";
  for (const ReplayFile& rec : recs) {
    ReplayPlayer p;
    EXPECT_EQ(playback(rec, p, s), ReplayPlayer::finished) << "out of step at frame " << p.frames();
    EXPECT_EQ(p.frames(), rec.header.frames);
    EXPECT_EQ(p.checksmatched(), rec.checks);
    EXPECT_GE(rec.checks, 1);
  }
  EXPECT_EQ(statehash(), live) << "the final state is the live game's";
  EXPECT_FALSE(fs::exists(dir / "saves"));
  EXPECT_FALSE(fs::exists(dir / "opt.dat"));
  EXPECT_EQ(listreplays().size(), 2u);
}

TEST_F(ReplayTest, OneChangedInputByteIsCaughtAtTheNextStoredHash) {
  SessionSetup s;
  s.seed = 77;
  s.mouseaiming = 1;
  startsession(s);
  setrecording(true);
  RandomPlayer player(5, 1);
  for (int f = 0; f < 1500; ++f) {
    plat::RawInput in = player.nextplaying();
    in.key[keyp] = false;  // the panel stays shut unless the change opens it
    frame(in);
  }
  setrecording(false);
  const std::vector<ReplayFile> recs = recordings();
  ASSERT_EQ(recs.size(), 1u);
  const ReplayFile& rec = recs[0];
  ASSERT_EQ(rec.checks, 2);

  // The same recording with one byte of frame 700's snapshot changed: P
  // is down in it. Everything else is coded again as it was.
  std::vector<uint8_t> body(rec.body.begin(), rec.body.begin() + static_cast<long>(rec.events));
  InputEncoder enc(rec.start.leadin[1]);
  EventReader r(rec.body, rec.events, rec.start.leadin[1]);
  ReplayEvent e;
  int index = 0;
  auto put = [&](SnapshotWords snap) {
    if (index++ == 700) {
      plat::RawInput in = inputof(snap);
      in.key[keyp] = true;
      snap = wordsof(in);
    }
    enc.frame(body, snap);
  };
  while (r.next(e)) {
    if (e.tag == tagframe) put(r.snapshot());
    if (e.tag == tagidle)
      for (uint32_t i = 0; i < e.frames; ++i) put(r.snapshot());
    if (e.tag == tagcheck) {
      enc.flushidle(body);
      body.push_back(tagcheck);
      replayio::put64(body, e.hash);
    }
  }
  enc.flushidle(body);
  ReplayFile changed;
  ReplayRefusal why;
  ASSERT_TRUE(readreplay(pack(rec.header, body), changed, why)) << why.text;

  ReplayPlayer p;
  EXPECT_EQ(playback(changed, p, s), ReplayPlayer::outofstep);
  EXPECT_EQ(p.checksmatched(), 1) << "the hash of frame 600 came before the change";
  EXPECT_EQ(p.frames(), 1200) << "caught at the hash of frame 1200";
  // And the untouched recording still plays to its end.
  ReplayPlayer q;
  EXPECT_EQ(playback(rec, q, s), ReplayPlayer::finished);
}

TEST_F(ReplayTest, ForeignDamagedCutOrOversizedRecordingsAreRefusedByName) {
  SessionSetup s;
  s.seed = 12;
  startsession(s);
  setrecording(true);
  RandomPlayer player(3, 1);
  for (int f = 0; f < 300; ++f) frame(player.next());
  setrecording(false);
  const std::vector<std::string> paths = listreplays();
  ASSERT_EQ(paths.size(), 1u);
  std::vector<uint8_t> file;
  ASSERT_TRUE(plat::read_whole(paths[0], file));
  ReplayFile rec;
  ReplayRefusal why;
  ASSERT_TRUE(readreplay(file, rec, why)) << why.text;

  // Another version, another content: both builds are named.
  ReplayHeader h = rec.header;
  h.version = "0.9";
  ASSERT_FALSE(readreplay(pack(h, rec.body), rec, why));
  EXPECT_NE(why.text.find("v0.9"), std::string::npos) << why.text;
  EXPECT_NE(why.text.find(std::string("v") + RX_VERSION), std::string::npos) << why.text;
  EXPECT_NE(why.line.find("V0.9"), std::string::npos) << why.line;
  h = rec.header;
  h.content ^= 0x5a5a;
  ASSERT_FALSE(readreplay(pack(h, rec.body), rec, why));
  EXPECT_NE(why.text.find(hashtext(h.content)), std::string::npos) << why.text;
  EXPECT_NE(why.text.find(hashtext(contenthash())), std::string::npos) << why.text;

  // Cut anywhere, or one bit flipped anywhere: refused, never played.
  for (size_t keep = 0; keep < file.size(); keep += 1 + file.size() / 97) {
    const std::vector<uint8_t> cut(file.begin(), file.begin() + static_cast<long>(keep));
    EXPECT_FALSE(readreplay(cut, rec, why)) << keep;
    EXPECT_FALSE(why.text.empty());
  }
  for (size_t at = 0; at < file.size(); at += 1 + file.size() / 131) {
    std::vector<uint8_t> flipped = file;
    flipped[at] ^= static_cast<uint8_t>(1u << (at % 8));
    EXPECT_FALSE(readreplay(flipped, rec, why)) << at;
    EXPECT_FALSE(why.line.empty());
  }
  std::vector<uint8_t> huge = file;
  huge.resize(replayfilemax + 1);
  EXPECT_FALSE(readreplay(huge, rec, why));
  EXPECT_NE(why.text.find("too large"), std::string::npos) << why.text;
}

// The machine player wins a whole mission (cheats on, about 5,000 frames)
// in a child process that loads every picture as the game does, recording
// it; the game itself then verifies the recording.
TEST_F(ReplayTest, AWholeMissionWonByTheMachinePlayerPassesVerify) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    loadforreplay();
    setrecording(true);
    MissionSetup m;
    m.seed = 907;
    m.cheats = true;
    m.framelimit = 15000;
    const MissionOutcome out = playmission(m);
    setrecording(false);
    std::fflush(nullptr);
    _exit(out.won ? 0 : 3);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the machine player won";
  const std::vector<std::string> paths = listreplays();
  ASSERT_EQ(paths.size(), 1u);
  const std::string path = plat::disk_path(paths[0]);
  std::printf("whole mission recording: %lld bytes\n", static_cast<long long>(fs::file_size(path)));

  const std::string command = std::string(RX_GAME) + " --verify '" + path + "' 2>&1";
  FILE* out = popen(command.c_str(), "r");
  ASSERT_NE(out, nullptr);
  std::string text;
  char buf[256];
  while (std::fgets(buf, sizeof buf, out)) text += buf;
  const int rc = pclose(out);
  EXPECT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 0) << text;
  EXPECT_NE(text.find("result: mission won"), std::string::npos) << text;
  EXPECT_NE(text.find("every state hash matched"), std::string::npos) << text;
}

}  // namespace
}  // namespace replaytest
