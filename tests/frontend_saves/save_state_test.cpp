// The saved state: every field survives a save and a load, the payload has
// the documented layout, and damaged payloads change nothing.
#include <cstring>
#include <list>

#include "state/play_state.h"
#include "creatures/effects.h"
#include "frontend/atomic_file.h"
#include "frontend/linked_state.h"
#include "frontend/packfile.h"
#include "frontend/save_field_list.h"
#include "frontend/save_fields.h"
#include "frontend/savegame.h"
#include "platform/random.h"
#include "saves_fixture.h"
#include "squad/squad.h"
#include "world/machinery.h"
#include "world/map.h"

namespace fs = std::filesystem;

static std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

namespace {

// Every saved value set to something distinct and in range.
void fillstate() {
  int v = 1000;
  for (auto& m : squad)
    for (int& f : m) f = v++;
  for (int m = 0; m <= 6; ++m) {
    squad[m][mroom] = 10 + m;
    squad[m][mdeathroom] = 275 - m;
  }
  for (int m = 0; m <= 6; ++m) squadchar[m] = 15 - m;
  for (int m = 0; m <= 6; ++m) squadname[m] = "N\xC4ME " + std::to_string(m);
  for (auto& r : rooms)
    for (auto& rec : r)
      for (int& s : rec) s = v++;
  for (int r = 0; r <= 300; ++r) {
    for (int d = 1; d <= 4; ++d) rooms[r][roomrecord][neighbourslot(d)] = (r + d) % 301;
    rooms[r][roomcreature][ckind] = r % 7;
  }
  for (auto& t : teamstat)
    for (int& x : t) x = v++;
  for (int& x : missionflags) x = v++;
  for (int i = 0; i <= 190; ++i) {
    tickertext[i] = v++;
    for (auto& p : playerticker) p[i] = v++;
  }
  curmember[0] = 0, curmember[1] = 5, curmember[2] = 2;
  for (int& x : eventflags) x = v++;
  rndseed = 0x12345678;
  numplayers = 2;
  splitview = v++;
  queentimer = v++, powertimer = v++, powerdelay = v++, colonistlost = v++, colonisttimer = v++;
  blinkphase = v++, cyclecount = v++, cyclephase = v++, pulsedir = v++, pulselevel = v++;
  clearlists();
  explist.push_back({3, 4, 5, 6, 7});
  explist.push_back({8, 9, 10, 11, 12});
  deathlist.push_back({20, 21, 22.5f, 1.25f, 23, 1, 99, 7.5f});
  corlist.push_back({30, 31, 32, 33, 6, 1, 2});
  corlist.push_back({34, 35, 36, 37, 3, 0, 0});
  acidlist.push_back({40, 41, 42, 3, 1, 9});
  scorelist.push_back({50, 51, 52});
  scorelist.push_back({53, 54, 55});
  scorelist.push_back({56, 57, 58});
}

// A copy of the saved state, taken by walking the state list, record
// fields that a save leaves out included.
struct Snapshot {
  std::vector<double> values;
  std::vector<std::string> names;

  void ints(const int* p, size_t n, savelist::Check) { values.insert(values.end(), p, p + n); }
  void str(const std::string& s) { names.push_back(s); }
  void seed(int s) { values.push_back(s); }
  void num(int v, bool (*)(int)) { values.push_back(v); }
  void real(float v) { values.push_back(v); }
  void unsavednum(int v) { values.push_back(v); }
  void unsavedreal(float v) { values.push_back(v); }
  template <class T, class Fn>
  void list(std::list<T>& l, Fn fn) {
    values.push_back(static_cast<double>(l.size()));
    for (T& r : l) fn(*this, r);
  }

  Snapshot() { savelist::savefields(*this); }
  bool operator==(const Snapshot& o) const { return values == o.values && names == o.names; }
};

// Byte offset of the payload's fields after the member names.
size_t afternames() {
  size_t at = 4 + 357 * 4 + 7 * 4;
  for (const auto& n : squadname) at += 4 + n.size();
  return at;
}

}  // namespace

TEST_F(SavesTest, EveryFieldSurvivesSaveAndLoad) {
  fillstate();
  // Fields that are not stored come back as 0.
  deathlist.front().movetimer = 0, deathlist.front().des = 0;
  corlist.front().corpsetype = 0;
  const Snapshot before;
  ASSERT_EQ(savegame("save_1", rndseed, "ALL"), 1);
  resetsavedstate();
  ASSERT_FALSE(Snapshot() == before);
  ASSERT_EQ(loadgame("save_1"), 1);
  EXPECT_TRUE(Snapshot() == before);
}

TEST_F(SavesTest, UnstoredEffectFieldsComeBackZero) {
  fillstate();
  ASSERT_EQ(savegame("save_2", 1, "X"), 1);
  ASSERT_EQ(loadgame("save_2"), 1);
  EXPECT_EQ(deathlist.front().movetimer, 0);
  EXPECT_EQ(deathlist.front().des, 0.0f);
  EXPECT_EQ(corlist.front().corpsetype, 0);
  EXPECT_FLOAT_EQ(deathlist.front().y, 22.5f);
}

TEST_F(SavesTest, SaveLoadSaveGivesIdenticalBytes) {
  fillstate();
  ASSERT_EQ(savegame("save_3", rndseed, "ROUND"), 1);
  const auto first = filebytes(saves / "save_3.907");
  resetsavedstate();
  ASSERT_EQ(loadgame("save_3"), 1);
  ASSERT_EQ(savegame("save_3", rndseed, "ROUND"), 1);
  EXPECT_EQ(filebytes(saves / "save_3.907"), first);
  EXPECT_EQ(writepayload(rndseed), writepayload(rndseed));
}

TEST_F(SavesTest, PayloadLayout) {
  fillstate();
  const auto p = writepayload(777);
  EXPECT_EQ(getint(p, 0), 907);
  EXPECT_EQ(getint(p, 4), squad[0][mslotzero]);
  EXPECT_EQ(getint(p, 4 + 4 * (51 * 2 + 7)), squad[2][mfacing]);
  EXPECT_EQ(getint(p, 4 + 357 * 4), squadchar[0]);
  const size_t name0 = 4 + 357 * 4 + 7 * 4;
  EXPECT_EQ(getint(p, name0), static_cast<int>(squadname[0].size()));
  EXPECT_EQ(std::string(p.begin() + name0 + 4, p.begin() + name0 + 4 + squadname[0].size()), squadname[0]);
  size_t at = afternames();
  EXPECT_EQ(getint(p, at + 4 * ((5 * 6 + 4) * 101 + 1)), rooms[5][roomcreature][ckind]);
  at += 182406 * 4;
  EXPECT_EQ(getint(p, at + 4 * 7), teamstat[1][statwarriors]);
  at += 18 * 4 + 4 * 4;
  // Tickers interleave: tickertext[i], playerticker[0..2][i].
  EXPECT_EQ(getint(p, at + 4 * (4 * 9 + 0)), tickertext[9]);
  EXPECT_EQ(getint(p, at + 4 * (4 * 9 + 3)), playerticker[2][9]);
  at += 764 * 4;
  EXPECT_EQ(getint(p, at + 4), curmember[1]);
  at += 3 * 4 + 11 * 4;
  EXPECT_EQ(getint(p, at), 777);  // the seed given, not rndseed
  EXPECT_EQ(getint(p, at + 4), numplayers);
  EXPECT_EQ(getint(p, at + 8), splitview);
  EXPECT_EQ(getint(p, at + 12), queentimer);
  EXPECT_EQ(getint(p, at + 12 + 9 * 4), pulselevel);
  at += 13 * 4;
  EXPECT_EQ(getint(p, at), 2);  // t_exp count
  EXPECT_EQ(getint(p, at + 4 + 5 * 4), 8);
  at += 4 + 2 * 5 * 4;
  EXPECT_EQ(getint(p, at), 1);  // t_death count, reals as doubles
  double y;
  std::memcpy(&y, &p[at + 12], 8);
  EXPECT_EQ(y, 22.5);
  at += 4 + 32;
  at += 4 + 2 * 24 + 4 + 24;
  EXPECT_EQ(getint(p, at), 3);  // t_score count
  EXPECT_EQ(p.size(), at + 4 + 3 * 12);
}

TEST_F(SavesTest, EmptyListsSaveAsZeroCounts) {
  clearlists();
  const auto p = writepayload(1);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(getint(p, p.size() - 4 * k), 0);
  explist.push_back({});
  ASSERT_TRUE(readpayload(p));
  EXPECT_TRUE(explist.empty());
}

TEST_F(SavesTest, DataAndNameFileLayout) {
  fillstate();
  ASSERT_EQ(savegame("save_4", 5, "SLOT \xC5"), 1);
  const std::vector<uint8_t> name = {'S', 'L', 'O', 'T', ' ', 0xC5};
  EXPECT_EQ(filebytes(saves / "save_4.nam"), ints({624, 6}) + name);
  const auto d = filebytes(saves / "save_4.907");
  EXPECT_EQ(getint(d, 0), 4192);
  EXPECT_EQ(getint(d, 4), static_cast<int>(writepayload(5).size()));
  std::vector<uint8_t> raw;
  ASSERT_TRUE(unpackbytes(d, raw));
  EXPECT_EQ(raw, writepayload(5));
  EXPECT_EQ(readsavename("save_4"), "SLOT \xC5");
}

// Damaged payloads: each is refused and the live state stays as it was.
TEST_F(SavesTest, DamagedPayloadsChangeNothing) {
  fillstate();
  const auto good = writepayload(9);
  const size_t tail = afternames() + 182406 * 4 + 18 * 4 + 4 * 4 + 764 * 4;  // at curmember
  const size_t counts = tail + 14 * 4 + 13 * 4 - 12 * 4;                   // at numplayers
  const size_t lists = tail + 3 * 4 + 11 * 4 + 13 * 4;                     // t_exp count
  auto with = [&](size_t at, int32_t v) {
    auto p = good;
    for (int b = 0; b < 4; ++b) p[at + b] = uint8_t(uint32_t(v) >> (8 * b));
    return p;
  };
  std::vector<std::pair<std::string, std::vector<uint8_t>>> bad = {
      {"wrong magic", with(0, 908)},
      {"truncated", std::vector<uint8_t>(good.begin(), good.end() - 3)},
      {"trailing byte", good},
      {"member room", with(4 + 4 * (51 * 3 + 4), 301)},
      {"member room at death", with(4 + 4 * (51 * 6 + 14), -1)},
      {"roster number", with(4 + 357 * 4 + 8, 16)},
      {"negative name length", with(4 + 357 * 4 + 7 * 4, -1)},
      {"name longer than file", with(4 + 357 * 4 + 7 * 4, 1 << 30)},
      {"neighbour room", with(afternames() + 4 * ((7 * 6 + 1) * 101 + 3), 302)},
      {"creature kind in room", with(afternames() + 4 * ((7 * 6 + 4) * 101 + 1), 7)},
      {"member number", with(tail + 4, 7)},
      {"no players", with(counts, 0)},
      {"three players", with(counts, 3)},
      {"list count too big", with(lists, 1000000)},
      {"negative list count", with(lists, -1)},
      {"effect room", with(lists + 4, 301)},
      {"corpse kind", with(lists + 4 + 40 + 4 + 32 + 4 + 16, 9)},
  };
  bad[2].second.push_back(0);
  ASSERT_TRUE(checkpayload(good));
  fillstate();
  squad[1][mscroll] = -5;  // differs from the payload
  const Snapshot before;
  for (const auto& [what, bytes] : bad) {
    EXPECT_FALSE(readpayload(bytes)) << what;
    EXPECT_TRUE(Snapshot() == before) << what;
  }
  EXPECT_TRUE(readpayload(good));
  EXPECT_EQ(squad[1][mscroll], 1000 + 52);
}

TEST_F(SavesTest, LoadRefusesMissingOrForeignDataFile) {
  fillstate();
  ASSERT_EQ(savegame("save_1", 1, "ONE"), 1);
  const Snapshot before;
  // A stale reader's temporary file is never taken instead.
  fs::copy_file(saves / "save_1.907", saves / "load.tmp");
  putfile(saves / "save_2.nam", ints({624, 3}) + std::vector<uint8_t>{'T', 'W', 'O'});
  EXPECT_EQ(loadgame("save_2"), 3);
  putfile(saves / "save_2.907", ints({907, 1, 2, 3}));
  EXPECT_EQ(loadgame("save_2"), 3);
  std::vector<uint8_t> packed;
  ASSERT_TRUE(packbytes(ints({907, 1}), packed));
  putfile(saves / "save_2.907", packed);
  EXPECT_EQ(loadgame("save_2"), 3);
  EXPECT_TRUE(Snapshot() == before);
}

TEST_F(SavesTest, FailedSaveKeepsPreviousNameAndData) {
  fillstate();
  ASSERT_EQ(savegame("save_5", 1, "OLD"), 1);
  const auto oldname = filebytes(saves / "save_5.nam");
  const auto olddata = filebytes(saves / "save_5.907");
  squad[1][mscroll] = 4242;
  // A folder where the name file's temporary goes makes the name fail
  // after the data was staged.
  fs::create_directory(saves / "save_5.nam.new");
  EXPECT_EQ(savegame("save_5", 2, "NEW"), 3);
  EXPECT_EQ(filebytes(saves / "save_5.nam"), oldname);
  EXPECT_EQ(filebytes(saves / "save_5.907"), olddata);
  EXPECT_FALSE(fs::exists(saves / "save_5.907.new"));
  fs::remove(saves / "save_5.nam.new");
  // A data file that is a folder cannot be replaced: the name stays too.
  fs::create_directory(saves / "save_6.907");
  EXPECT_EQ(savegame("save_6", 2, "NEW"), 3);
  EXPECT_FALSE(fs::exists(saves / "save_6.nam"));
  // A saves folder that cannot be made.
  savesdir = (dir / "file").string();
  putfile(dir / "file", {1});
  EXPECT_EQ(savegame("save_1", 1, "X"), 3);
}
