#include "saves_fixture.h"

#include <fstream>
#include <iterator>
#include <random>

#include "frontend/atomic_file.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "render/messages.h"

namespace fs = std::filesystem;

std::vector<uint8_t> filebytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void putfile(const fs::path& p, const std::vector<uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ints(std::initializer_list<int32_t> values) {
  std::vector<uint8_t> out;
  for (int32_t v : values) putint(out, v);
  return out;
}

PostedMessage posted() { return {messagetext, messagey, messageerror}; }

void SavesTest::SetUp() {
  std::random_device rd;
  dir = fs::temp_directory_path() / ("rx907_saves_" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(dir);
  saves = dir / "saves";
  savesdir = saves.string();
  resetsavedstate();
  messagetext.clear();
  messagey = messageerror = messagetimer = 0;
}

void SavesTest::TearDown() {
  std::error_code ec;
  fs::remove_all(dir, ec);
  savesdir = "saves";
}
