// Shared set-up of the save and options tests: a fresh temporary folder as
// the saves folder, and the last posted status message.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The status line as last posted.
struct PostedMessage {
  std::string text;
  int y = 0;
  int iserror = 0;
};
PostedMessage posted();

std::vector<uint8_t> filebytes(const std::filesystem::path& p);
void putfile(const std::filesystem::path& p, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ints(std::initializer_list<int32_t> values);

class SavesTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::filesystem::path dir;    // temporary folder of this test
  std::filesystem::path saves;  // dir / "saves", used as the saves folder
};
