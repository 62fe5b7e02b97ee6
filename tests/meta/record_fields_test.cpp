// Member, room and creature records are plain int arrays so that saves and
// the state hash can walk them; the only thing that keeps them readable is
// that every field is named in one header. This test fails when code indexes
// one of those records with a bare number instead of the field's name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const rulemessage =
    "Index member, room and creature records by name: squad[m][field] with the names of "
    "src/squad/member_fields.h, rooms[r][record][slot] and creature slots with the names of "
    "src/world/room_fields.h. A bare number there is a field nobody can look up; add the "
    "field to its header if it has no name yet. Wall slots 1..64 of roomwall and wallstate "
    "are positions along the wall loop and may be numbers.";

// Blanks out comments and string and character literals, keeping line breaks,
// so that the patterns only see code.
std::string codeonly(const std::string& text) {
  std::string out = text;
  enum { incode, inlinecomment, inblockcomment, instring, inchar, inraw } st = incode;
  std::string rawend;
  for (size_t i = 0; i < out.size(); ++i) {
    const char c = out[i];
    const char n = i + 1 < out.size() ? out[i + 1] : '\0';
    switch (st) {
      case incode:
        if (c == '/' && n == '/') st = inlinecomment, out[i] = ' ';
        else if (c == '/' && n == '*') st = inblockcomment, out[i] = ' ';
        else if (c == 'R' && n == '"') {
          const size_t open = out.find('(', i + 2);
          if (open == std::string::npos) break;
          rawend.assign(1, ')');
          rawend.append(out, i + 2, open - i - 2);
          rawend.push_back('"');
          st = inraw;
        } else if (c == '"') st = instring;
        else if (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(out[i - 1]))))
          st = inchar;  // not a digit separator
        break;
      case inlinecomment:
        if (c == '\n') st = incode;
        else out[i] = ' ';
        break;
      case inblockcomment:
        if (c == '*' && n == '/') out[i] = out[i + 1] = ' ', ++i, st = incode;
        else if (c != '\n') out[i] = ' ';
        break;
      case instring:
      case inchar:
        if (c == '\\') {
          out[i] = ' ';
          if (i + 1 < out.size() && out[i + 1] != '\n') out[++i] = ' ';
        } else if ((st == instring && c == '"') || (st == inchar && c == '\'')) {
          st = incode;
        } else if (c != '\n') {
          out[i] = ' ';
        }
        break;
      case inraw:
        if (out.compare(i, rawend.size(), rawend) == 0) {
          i += rawend.size() - 1;
          st = incode;
        } else if (c != '\n') {
          out[i] = ' ';
        }
        break;
    }
  }
  return out;
}

// Names that stand for a record in this file: pointers taken from a member
// or room record, and the usual names of the update code's record pointers
// where the file works with that record.
std::vector<std::string> recordnames(const std::string& code) {
  std::vector<std::string> names;
  const std::regex bound(
      R"(\b(\w+)\s*=\s*(squad\s*\[[^\]]*\]|rooms\s*\[[^\]]*\]\s*\[\s*(roomrecord|roomcreature)\s*\])\s*[;,)])");
  for (std::sregex_iterator it(code.begin(), code.end(), bound), end; it != end; ++it)
    names.push_back((*it)[1]);
  if (code.find("squad[") != std::string::npos) names.push_back("s");
  if (code.find("roomcreature") != std::string::npos) names.push_back("c");
  if (code.find("roomrecord") != std::string::npos) names.push_back("rec");
  return names;
}

// Every place in one source text that indexes a record by number, as
// "line: text".
std::vector<std::string> numericrecordindices(const std::string& text) {
  const std::string code = codeonly(text);
  std::string alt;
  for (const std::string& n : recordnames(code)) alt += (alt.empty() ? "" : "|") + n;
  // An index expression, allowing one level of brackets inside it.
  const std::string index = R"(\[(?:[^\[\]]|\[[^\[\]]*\])*\])";
  const std::regex member(R"(\bsquad\s*)" + index + R"(\s*\[\s*\d)");
  // Record 0 is no record; rooms[0][0] addresses the whole table.
  const std::regex record(R"(\brooms\s*)" + index + R"(\s*\[\s*[1-9])");
  const std::regex slot(R"(\[\s*(roomrecord|roomcreature)\s*\]\s*\[\s*\d)");
  const std::regex beyondwall(R"(\[\s*wallstate\s*\]\s*\[\s*(6[5-9]|[7-9]\d|\d{3}))");
  const std::regex named(R"(\b()" + alt + R"()\s*\[\s*\d)");
  std::vector<std::string> found;
  std::istringstream lines(code), original(text);
  std::string line, orig;
  for (int n = 1; std::getline(lines, line) && std::getline(original, orig); ++n) {
    if (std::regex_search(line, member) || std::regex_search(line, record) ||
        std::regex_search(line, slot) || std::regex_search(line, beyondwall) ||
        (!alt.empty() && std::regex_search(line, named)))
      found.push_back(std::to_string(n) + ": " + orig);
  }
  return found;
}

const char* const flagmessage =
    "Index the play state's flag tables by name: missionflags, pausestate, debugflags, "
    "mousepos, teamstat and statshown with the names of src/state/play_state.h, "
    "eventflags with those of src/world/machinery.h, actionflags with the Action names of "
    "src/input/bindings.h, squadpick, staticdots and deathsounds with the column names beside their tables. Player numbers (teamstat[1][statwave], the flash timer "
    "teamstat[teamrow][2]) may be numbers.";

// Every place in one source text that indexes a flag table by number, as
// "line: text". Declarations give the tables' sizes and are left alone.
std::vector<std::string> numericflagindices(const std::string& text) {
  const std::string code = codeonly(text);
  const std::string index = R"(\[(?:[^\[\]]|\[[^\[\]]*\])*\])";
  const std::regex flat(R"(\b(missionflags|pausestate|debugflags|mousepos|eventflags)\s*\[\s*\d)");
  // The second index names a column, except in the team row, where it is a player.
  const std::regex column(R"(\b(teamstat|statshown|actionflags|squadpick|staticdots|deathsounds)\s*\[(?!\s*teamrow\s*\]))" +
                          index.substr(2) + R"(\s*\[\s*\d)");
  const std::regex teamrow(R"(\bteamstat\s*\[\s*0\s*\])");
  const std::regex declaration(
      R"(\bint\s+(missionflags|pausestate|debugflags|mousepos|eventflags|teamstat|statshown|actionflags|squadpick|staticdots|deathsounds)\s*\[)");
  std::vector<std::string> found;
  std::istringstream lines(code), original(text);
  std::string line, orig;
  for (int n = 1; std::getline(lines, line) && std::getline(original, orig); ++n) {
    if (std::regex_search(line, declaration)) continue;
    if (std::regex_search(line, flat) || std::regex_search(line, column) ||
        std::regex_search(line, teamrow))
      found.push_back(std::to_string(n) + ": " + orig);
  }
  return found;
}

// Every hit of a detector over the game's code, tests, benchmarks, fuzzers
// and tools, as "file:line: text". The content generator and this folder's
// own samples hold no records or flags; skip names files that define them.
std::vector<std::string> scansources(std::vector<std::string> (*detect)(const std::string&),
                                     std::initializer_list<const char*> skip) {
  const fs::path root = RX_SOURCE_DIR;
  std::vector<std::string> offenders;
  for (const char* dir : {"src", "tests", "bench", "fuzz", "tools"}) {
    if (!fs::exists(root / dir)) continue;
    for (const auto& e : fs::recursive_directory_iterator(root / dir)) {
      if (!e.is_regular_file()) continue;
      const auto rel = fs::relative(e.path(), root).generic_string();
      const auto ext = e.path().extension().string();
      if (ext != ".cpp" && ext != ".h") continue;
      if (rel.rfind("tools/contentgen/", 0) == 0 || rel.rfind("tests/meta/", 0) == 0) continue;
      if (std::find(skip.begin(), skip.end(), rel) != skip.end()) continue;
      std::ifstream f(e.path());
      std::stringstream text;
      text << f.rdbuf();
      for (const auto& hit : detect(text.str())) offenders.push_back(rel + ":" + hit);
    }
  }
  return offenders;
}

}  // namespace

TEST(FlagTables, TheDetectorCatchesNumbersAndPassesNames) {
  const auto bad = [](const std::string& s) { return !numericflagindices(s).empty(); };
  EXPECT_TRUE(bad("if (missionflags[1] == phaseannounced) return;"));
  EXPECT_TRUE(bad("pausestate[2] = 1;"));
  EXPECT_TRUE(bad("if (debugflags[0] && debugflags[4]) night();"));
  EXPECT_TRUE(bad("mousepos[3] = mousepos[1];"));
  EXPECT_TRUE(bad("eventflags[3] = 1;"));
  EXPECT_TRUE(bad("teamstat[p][5] += points;"));
  EXPECT_TRUE(bad("teamstat[0][p] = 15;"));
  EXPECT_TRUE(bad("statshown[curmember[p]][4] = 0;"));
  EXPECT_TRUE(bad("if (actionflags[p][5]) fire();"));
  EXPECT_TRUE(bad("squadchar[m] = squadpick[m][1];"));
  EXPECT_TRUE(bad("staticdots[d][3] = Rand(71, 337);"));
  EXPECT_TRUE(bad("playsound(deathsounds[kindegg][1]);"));

  EXPECT_FALSE(bad("if (missionflags[missionphase] == phaseannounced) return;"));
  EXPECT_FALSE(bad("teamstat[1][statwave] = teamstat[2][statwave] = 1;"));
  EXPECT_FALSE(bad("teamstat[teamrow][2] = 15;  // player 2's flash"));
  EXPECT_FALSE(bad("extern int teamstat[3][6];"));
  EXPECT_FALSE(bad("int actionflags[3][9];"));
  EXPECT_FALSE(bad("squadpick[s][pickbar(a)] = squadpick[s][pickroster];"));
  EXPECT_FALSE(bad("playsound(deathsounds[kind][deathfar]);"));
  EXPECT_FALSE(bad("// pausestate[2] in a comment is prose"));
  EXPECT_FALSE(bad("for (int a = 0; a <= 8; ++a) actionflags[p][a] = 0;"));
}

TEST(FlagTables, NoNumericIndexIntoTheFlagTables) {
  const auto offenders = scansources(numericflagindices, {});
  EXPECT_TRUE(offenders.empty()) << flagmessage << "\nNumbered flags found:\n"
                                 << ::testing::PrintToString(offenders);
}

TEST(RecordFields, TheDetectorCatchesNumbersAndPassesNames) {
  const auto bad = [](const std::string& s) { return !numericrecordindices(s).empty(); };
  EXPECT_TRUE(bad(std::string("squad[m]") + "[23] -= cdamage[kind];"));
  EXPECT_TRUE(bad("if (squad[curmember[p]][10] != 0) return;"));
  EXPECT_TRUE(bad("int* s = squad[m];\nconst int j = (5 - s[17]) * 9;"));
  EXPECT_TRUE(bad("void f(int* s) { s[8] = squad[1][mstamina]; }"));
  EXPECT_TRUE(bad("int* c = rooms[r][roomcreature];\nif (c[1] != 5) return;"));
  EXPECT_TRUE(bad("int* creature = rooms[r][roomcreature];\ncreature[8] = 100;"));
  EXPECT_TRUE(bad("const int kind = rooms[r][4][1];"));
  EXPECT_TRUE(bad("rooms[r][roomrecord][28] = 1;"));
  EXPECT_TRUE(bad("int* rec = rooms[r][roomrecord];\nrec[100] = 1;"));
  EXPECT_TRUE(bad("rooms[r][wallstate][99] = 0;"));

  EXPECT_FALSE(bad("squad[m][mhealth] -= cdamage[kind];"));
  EXPECT_FALSE(bad("int* s = squad[m];\nconst int j = (5 - s[maccuracy]) * 9;"));
  EXPECT_FALSE(bad("int* c = rooms[r][roomcreature];\nif (c[ckind] != kindcolonist) return;"));
  EXPECT_FALSE(bad("rooms[r][wallstate][64] = 2;  // wall slots are loop positions"));
  EXPECT_FALSE(bad("v.ints(&rooms[0][0][0], 301 * 6 * 101, roomvalue);"));
  EXPECT_FALSE(bad(std::string("// squad[m]") + "[23] in a comment is prose\nconst char* t = \"s[1]\";"));
  EXPECT_FALSE(bad("std::string s = name;\nreturn s[0];"));  // no member record here
}

TEST(RecordFields, NoNumericIndexIntoMemberRoomOrCreatureRecords) {
  // The field headers define the numbers.
  const auto offenders =
      scansources(numericrecordindices, {"src/squad/member_fields.h", "src/world/room_fields.h"});
  EXPECT_TRUE(offenders.empty()) << rulemessage << "\nNumbered fields found:\n"
                                 << ::testing::PrintToString(offenders);
}
