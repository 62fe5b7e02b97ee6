#include "hostile_files/played_save.h"

#include "app/harness/session.h"
#include "frontend/packfile.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "platform/random.h"
#include "session/random_player.h"

std::vector<uint8_t> PlayedSaveTest::livepayload() { return writepayload(rndseed); }

void PlayedSaveTest::play(int n) {
  RandomPlayer player(inputseed, 2);
  for (int f = 0; f < n; ++f) sessionframe(player.next());
  inputseed += 1;
}

void PlayedSaveTest::SetUp() {
  SavesTest::SetUp();
  SessionSetup setup;
  setup.seed = 2024;
  setup.players = 2;
  setup.split = 2;
  startsession(setup);
  play(2500);
  rndseed = static_cast<int>(plat::random_seed());
  ASSERT_EQ(savegame("victim", rndseed, "Victim"), 1);
  datafile = datafilepath("victim");
  namefile = namefilepath("victim");
  packed = filebytes(datafile);
  namebytes = filebytes(namefile);
  ASSERT_TRUE(unpackbytes(packed, payload));
  play(700);
  rndseed = static_cast<int>(plat::random_seed());
  ASSERT_NE(livepayload(), payload);
}
