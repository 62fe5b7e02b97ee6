// The embedded archive's content, checked straight from its bytes: the
// names, every picture's header against the size table and the load lists,
// and every sound's format and length.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <sstream>

#include "state/archive.h"
#include "state/asset_plan.h"
#include "image_sizes.h"

namespace {

// The archive names in registration order, file stems per folder.
const char* kPictures = R"(
sm_back sm_tab sm_ticker startblack font font2 numbers numbers2 tile_1 tile_2 tile_3
tile_4 tile_5 tile_6 tile_7 tile_8 tile_9 tile_10 tile_11 tile_12 tile_13 tile_14
tile_15 tile_16 tile_17 tile_18 tile_19 tile_20 tile_21 tile_22 tile_23 tile_24
tile_25 tile_door1 tile_door2 tile_door3 tile_door4 slime_1 slime_2 slime_3 slime_1x
slime_2x slime_3x targ_1 targ_2 invalid icon_1 icon_2 icon_3 icon_4 board_1 board_2
board_3 board2_1 board2_2 mm_back mm_room mm_you mm_hori mm_vert musti mm_someone tab
tabx tabz tab2 tab2x tab2z face_marsh face_teller face_quill face_nolan face_okafor
face_pryce face_sato face_lund face_ebert face_brody face_vance face_ingram
face_yardley face_moreau face_castellan face_alien slider_left slider_right
bord_corner bord_line minicorn minibord alien_1 alien_2 alien_3 alien_a1 alien_a2
alien_c1 alien_c2 alien_c3 alien_c4 alien_d1 alien_d2 alien_d3 alien_d4 alien_d5
hugger_1 hugger_2 hugger_3 hugger_a1 hugger_c1 hugger_c2 hugger_c3 hugger_d1 hugger_d2
hugger_d3 hugger_d4 queen_1 queen_2 queen_3 queen_a1 queen_a2 queen_d1 queen_d2
queen_d3 queen_d4 queen_d5 egg egg_c1 egg_c2 egg_c3 wren colonist_1 colonist_2 acid_1
acid_blast_1 acid_blast_2 acid_blast_3 acid_blast_4 alert colonist_big flashlight
heart heart2 font3 reaver bracket statborder blocker statbar facebord caret backer
black splitter floor blood blast indicator bald bar_st bar_stx bar_am bar_amx nametab
scoretab viiva piste piste2 dot pausetab title mouse alien_head flash minibord_1
tile_door)";
const char* kSounds = R"(
shoot_1 shoot_2 shoot_3 attack_1 attack_2 attack_3 death_1 death_2 death_3 death_4
death_6 death_1x death_2x pain_m pain_f alert_low alert_high_1 alert_high_2 pausein
pauseout power_up power_down alarm tick dry rescue door acid lamp surprise cheat
cheat2 generator killme burst bursting ammo heal)";

std::vector<std::string> expected_names() {
  std::vector<std::string> names;
  std::string stem;
  for (std::istringstream in(kPictures); in >> stem;) names.push_back("data\\gfx\\" + stem + ".png");
  for (std::istringstream in(kSounds); in >> stem;) names.push_back("data\\sfx\\" + stem + ".wav");
  names.push_back("game.map");
  return names;
}

uint32_t be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }
uint32_t le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

struct PngHeader {
  bool ok = false;
  int width = 0, height = 0, depth = 0, colour = 0;
};

PngHeader read_png_header(const ArchiveEntry& e) {
  static const uint8_t sig[8] = {137, 'P', 'N', 'G', 13, 10, 26, 10};
  PngHeader h;
  if (e.size < 33 || std::memcmp(e.data, sig, 8) != 0) return h;
  if (be32(e.data + 8) != 13 || std::memcmp(e.data + 12, "IHDR", 4) != 0) return h;
  h.width = static_cast<int>(be32(e.data + 16));
  h.height = static_cast<int>(be32(e.data + 20));
  h.depth = e.data[24];
  h.colour = e.data[25];
  h.ok = true;
  return h;
}

struct WavInfo {
  std::string error;
  int format = 0, channels = 0, rate = 0, bits = 0;
  const uint8_t* samples = nullptr;
  size_t bytes = 0;
};

// Walks the RIFF chunks; fmt must come before data.
WavInfo read_wav(const ArchiveEntry& e) {
  WavInfo w;
  const uint8_t* p = e.data;
  if (e.size < 12 || std::memcmp(p, "RIFF", 4) || std::memcmp(p + 8, "WAVE", 4)) {
    w.error = "not a RIFF WAVE file";
    return w;
  }
  size_t at = 12;
  bool have_fmt = false;
  while (at + 8 <= e.size) {
    uint32_t len = le32(p + at + 4);
    const uint8_t* body = p + at + 8;
    if (at + 8 + len > e.size) {
      w.error = "chunk runs past the end";
      return w;
    }
    if (!std::memcmp(p + at, "fmt ", 4) && len >= 16) {
      w.format = le16(body);
      w.channels = le16(body + 2);
      w.rate = static_cast<int>(le32(body + 4));
      w.bits = le16(body + 14);
      have_fmt = true;
    } else if (!std::memcmp(p + at, "data", 4)) {
      if (!have_fmt) w.error = "data before fmt";
      w.samples = body;
      w.bytes = len;
      return w;
    }
    at += 8 + len + (len & 1);
  }
  w.error = "no data chunk";
  return w;
}

// What the load lists ask of each picture (fonts and all the rest).
std::map<std::string, const ImageLoad*> loads_by_file() {
  std::map<std::string, const ImageLoad*> m;
  for (const auto* plan : {&font_load_plan(), &image_load_plan()})
    for (const ImageLoad& l : *plan) m[l.file] = &l;
  return m;
}

class ArchiveContent : public ::testing::Test {
 protected:
  void SetUp() override { register_embedded_archive(); }
};

}  // namespace

TEST_F(ArchiveContent, HoldsExactlyTheGamesNamesInOrder) {
  std::vector<std::string> expected = expected_names();
  ASSERT_EQ(expected.size(), 214u);
  std::vector<std::string> actual;
  for (const auto& e : archive_entries()) actual.push_back(e.name);
  EXPECT_EQ(actual, expected);
  for (const auto& e : archive_entries()) EXPECT_GT(e.size, 0u) << e.name << " is empty";
}

TEST_F(ArchiveContent, EveryPictureHasItsTableSize) {
  ASSERT_EQ(contentgen::image_sizes().size(), 175u);
  int checked = 0;
  for (const auto& e : archive_entries()) {
    if (e.name.size() < 4 || e.name.compare(e.name.size() - 4, 4, ".png")) continue;
    const contentgen::ImageSize* want = contentgen::find_image_size(e.name);
    ASSERT_NE(want, nullptr) << e.name << " has no size";
    PngHeader h = read_png_header(e);
    ASSERT_TRUE(h.ok) << e.name << " is not a PNG";
    EXPECT_EQ(h.depth, 8) << e.name;
    EXPECT_TRUE(h.colour == 0 || h.colour == 2 || h.colour == 3 || h.colour == 4 || h.colour == 6)
        << e.name << " colour type " << h.colour;
    EXPECT_EQ(h.width, want->width) << e.name;
    EXPECT_EQ(h.height, want->height) << e.name;
    ++checked;
  }
  EXPECT_EQ(checked, 175);
}

TEST_F(ArchiveContent, StripsDivideIntoTheFramesTheGameLoads) {
  auto loads = loads_by_file();
  for (const auto& size : contentgen::image_sizes()) {
    // The table's own cells must tile the picture.
    EXPECT_EQ(size.width % size.cellw, 0) << size.file;
    EXPECT_EQ(size.height % size.cellh, 0) << size.file;
    EXPECT_GE((size.width / size.cellw) * (size.height / size.cellh), size.frames) << size.file;
    auto it = loads.find(size.file);
    if (it == loads.end()) continue;  // start-up window pictures and the unused three
    const ImageLoad& l = *it->second;
    if (l.frames > 0) {
      EXPECT_EQ(l.cellw, size.cellw) << size.file;
      EXPECT_EQ(l.cellh, size.cellh) << size.file;
      EXPECT_EQ(l.frames, size.frames) << size.file;
    } else {
      EXPECT_EQ(size.frames, 1) << size.file << " is a strip but loads as one picture";
    }
  }
}

TEST_F(ArchiveContent, LoadListsCoverTheArchive) {
  std::set<std::string> archive;
  for (const auto& e : archive_entries()) archive.insert(e.name);
  std::set<std::string> loaded;
  std::set<int*> slots;
  for (const auto* plan : {&font_load_plan(), &image_load_plan()})
    for (const ImageLoad& l : *plan) {
      EXPECT_TRUE(loaded.insert("data\\gfx\\" + l.file).second) << l.file << " loaded twice";
      EXPECT_TRUE(slots.insert(l.slot).second) << l.file << " shares a handle slot";
    }
  for (const SoundLoad& s : sound_load_plan()) {
    EXPECT_TRUE(loaded.insert("data\\sfx\\" + s.file).second) << s.file << " loaded twice";
    EXPECT_TRUE(slots.insert(s.slot).second) << s.file << " shares a handle slot";
  }
  // Loaded but not shipped: wall panels 26..50, attack sound 4, death sound 5.
  std::set<std::string> absent;
  for (const auto& name : loaded)
    if (!archive.count(name)) absent.insert(name);
  std::set<std::string> want_absent = {"data\\sfx\\attack_4.wav", "data\\sfx\\death_5.wav"};
  for (int n = 26; n <= 50; ++n) want_absent.insert("data\\gfx\\tile_" + std::to_string(n) + ".png");
  EXPECT_EQ(absent, want_absent);
  // Shipped but not loaded here: the start-up window's pictures (loaded by
  // the start-up menu), the map, and three pictures the game never uses.
  std::set<std::string> unloaded;
  for (const auto& name : archive)
    if (!loaded.count(name)) unloaded.insert(name);
  std::set<std::string> want_unloaded = {
      "data\\gfx\\sm_back.png", "data\\gfx\\sm_tab.png",    "data\\gfx\\sm_ticker.png",
      "data\\gfx\\startblack.png", "data\\gfx\\flash.png", "data\\gfx\\minibord_1.png",
      "data\\gfx\\tile_door.png",  "game.map"};
  EXPECT_EQ(unloaded, want_unloaded);
}

TEST_F(ArchiveContent, CreatureHandlesComeOutFromTheShippedAttackFrames) {
  struct Case {
    int kind;
    const char* first_attack;
    int hx, hy;
  } cases[] = {{1, "data\\gfx\\alien_a1.png", 278, 63},
               {2, "data\\gfx\\hugger_a1.png", 214, 179},
               {3, "data\\gfx\\queen_a1.png", 275, 149}};
  for (const Case& c : cases) {
    const ArchiveEntry* e = archive_find(c.first_attack);
    ASSERT_NE(e, nullptr);
    PngHeader h = read_png_header(*e);
    ASSERT_TRUE(h.ok);
    int hx = -1, hy = -1;
    creature_attack_handle(c.kind, h.width, h.height, hx, hy);
    EXPECT_EQ(hx, c.hx) << c.first_attack << " " << h.width << " x " << h.height;
    EXPECT_EQ(hy, c.hy) << c.first_attack << " " << h.width << " x " << h.height;
  }
  // Rounding: the height factor rounds half up, the width halves down.
  int hx, hy;
  creature_attack_handle(1, 557, 492, hx, hy);  // 62.484 + 0.5
  EXPECT_EQ(hx, 278);
  EXPECT_EQ(hy, 62);
  creature_attack_handle(1, 557, 493, hx, hy);  // 62.611 + 0.5
  EXPECT_EQ(hy, 63);
}

TEST_F(ArchiveContent, EverySoundIsPlayablePcm) {
  int checked = 0;
  for (const auto& e : archive_entries()) {
    if (e.name.size() < 4 || e.name.compare(e.name.size() - 4, 4, ".wav")) continue;
    ++checked;
    WavInfo w = read_wav(e);
    ASSERT_EQ(w.error, "") << e.name;
    EXPECT_EQ(w.format, 1) << e.name << " is not PCM";
    EXPECT_TRUE(w.channels == 1 || w.channels == 2) << e.name;
    EXPECT_TRUE(w.bits == 8 || w.bits == 16) << e.name;
    EXPECT_GE(w.rate, 11025) << e.name;
    EXPECT_LE(w.rate, 50000) << e.name;
    if (w.channels < 1 || (w.bits != 8 && w.bits != 16) || w.rate <= 0) continue;
    size_t frame_bytes = static_cast<size_t>(w.channels) * (w.bits / 8);
    size_t frames = w.bytes / frame_bytes;
    EXPECT_GT(frames * 1000 / w.rate, 50u) << e.name << " is too short";
    // Clipping shows as runs of full-scale samples.
    int run = 0, longest = 0;
    for (size_t i = 0; i + w.bits / 8 <= w.bytes; i += w.bits / 8) {
      int v = w.bits == 16 ? static_cast<int16_t>(le16(w.samples + i)) : (w.samples[i] - 128) * 256;
      run = (v >= 32767 || v <= -32767) ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    EXPECT_LT(longest, 4) << e.name << " clips";
  }
  EXPECT_EQ(checked, 38);
}
