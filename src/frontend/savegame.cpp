#include "frontend/savegame.h"

#include <new>
#include <vector>

#include "state/play_state.h"
#include "frontend/atomic_file.h"
#include "frontend/linked_state.h"
#include "frontend/newgame.h"
#include "frontend/packfile.h"
#include "frontend/save_fields.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "squad/squad.h"
#include "world/machinery.h"

std::string savesdir = "saves";

std::string namefilepath(const std::string& base) { return savesdir + "/" + base + ".nam"; }
std::string datafilepath(const std::string& base) { return savesdir + "/" + base + ".907"; }

int savegame(const std::string& base, int seed, const std::string& name) {
  if (plat::file_type(savesdir) != 2) plat::create_dir(savesdir);
  if (plat::file_type(savesdir) != 2) return 3;

  std::vector<uint8_t> packed;
  if (!packbytes(writepayload(seed), packed)) return 3;
  std::vector<uint8_t> namebytes;
  putint(namebytes, namemagic);
  putint(namebytes, static_cast<int32_t>(name.size()));
  namebytes.insert(namebytes.end(), name.begin(), name.end());

  const std::string datapath = datafilepath(base), namepath = namefilepath(base);
  if (!writestaged(datapath, packed)) return 3;
  if (!writestaged(namepath, namebytes)) {
    plat::delete_file(stagedpath(datapath));
    return 3;
  }
  if (!commitstaged(datapath)) {
    plat::delete_file(stagedpath(namepath));
    return 3;
  }
  return commitstaged(namepath) ? 1 : 3;
}

namespace {

// The slot's payload into the live state; false with nothing changed.
bool readslot(const std::string& datapath) {
  std::vector<uint8_t> packed, payload;
  try {
    if (plat::file_type(datapath) != 1 || !plat::read_whole(datapath, packed, datafilemax)) return false;
    return unpackbytes(packed, payload) && readpayload(payload);
  } catch (const std::bad_alloc&) {
    // Unpacking ran out of memory before the live state was touched.
    return false;
  }
}

}  // namespace

int loadgame(const std::string& base) {
  if (!readslot(datafilepath(base))) return 3;
  gamesbegun += 1;
  lastbeginnew = 0;
  // The generator room's slime count is not stored: the next frame counts
  // room 174 afresh, so a save made before it was cleaned fails the power.
  powerslime = 0;
  // Nor is the side panel: a game left on the results or the squad-lost
  // notice holds it active at 0, which would freeze the loaded game.
  pausestate[panelactive] = pausestate[panelclosing] = 0;
  pausepos = 0;
  pausespeed = 75.0f;
  newwave = 0;
  if (settings[setmouseaiming] == 1) {
    const int m = curmember[1];
    plat::move_pointer(squad[m][mcrossx], squad[m][mcrossy]);
  }
  return 1;
}

std::string parsesavename(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < 8 || getint(bytes, 0) != namemagic) return "";
  const int32_t len = getint(bytes, 4);
  if (len < 0 || static_cast<size_t>(len) > bytes.size() - 8) return "";
  return std::string(bytes.begin() + 8, bytes.begin() + 8 + len);
}

std::string readsavename(const std::string& base) {
  std::vector<uint8_t> bytes;
  if (!plat::read_whole(namefilepath(base), bytes, namefilemax)) return "";
  return parsesavename(bytes);
}

int savestatusy() { return numplayers == 1 ? 192 : 240; }

namespace {

StatusMessage post(const std::string& text, int y, int iserror) {
  postmessage(text, y, iserror);
  return {text, y, iserror};
}

}  // namespace

StatusMessage quicksavegame() {
  rndseed = static_cast<int>(plat::random_seed());
  if (savegame("quick", rndseed, "Quicksave") == 1) return post("Quicksaved", savestatusy(), 0);
  return post("ERROR: Unable to quicksave", savestatusy(), 1);
}

StatusMessage quickloadgame() {
  const int result = loadgame("quick");
  // A failed load leaves rndseed as it was, so the sequence carries on.
  plat::seed_random(static_cast<uint32_t>(rndseed));
  if (result == 1) {
    trackcount[1] = trackcount[2] = 800;
    return post("Quickloaded", savestatusy(), 0);
  }
  return post("ERROR: Unable to quickload", savestatusy(), 1);
}

void quicksave() { quicksavegame(); }
void quickload() { quickloadgame(); }

void makefileswritable() {
  std::vector<std::string> paths = {"api.dat", "opt.dat"};
  for (int n = 1; n <= 6; ++n) {
    paths.push_back(namefilepath("save_" + std::to_string(n)));
    paths.push_back(datafilepath("save_" + std::to_string(n)));
  }
  paths.push_back(namefilepath("quick"));
  paths.push_back(datafilepath("quick"));
  for (const std::string& p : paths)
    if (plat::file_type(p) == 1) plat::make_owner_writable(p);
}
