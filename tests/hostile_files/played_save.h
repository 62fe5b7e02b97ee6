// A real saved game to damage: a two-player session played for a while,
// saved into a temporary saves folder, then played on so the live game
// differs from the file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "frontend_saves/saves_fixture.h"

class PlayedSaveTest : public SavesTest {
 protected:
  void SetUp() override;
  // Plays n frames of scripted two-player input.
  void play(int n);
  // The live game's saved fields as payload bytes.
  static std::vector<uint8_t> livepayload();

  std::filesystem::path datafile, namefile;  // the slot "victim"
  std::vector<uint8_t> packed, namebytes;    // its files as first written
  std::vector<uint8_t> payload;              // the payload they hold
  uint32_t inputseed = 5;
};
