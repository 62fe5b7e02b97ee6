// Includes point down the layers, never up. The layers and their folders are
// listed once, in cmake/layers.cmake; cmake/check_includes.cmake resolves every
// include ("x/y.h", <x/y.h> and "../x/y.h" alike) and the build runs it before
// compiling any layer. These tests run the same check on the real tree and
// on small planted trees, so a check that stopped seeing a fault fails here.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct CheckResult {
  int status;
  std::string output;
};

// Runs the include check over a source tree; its output is what the build prints.
CheckResult checkincludes(const fs::path& root) {
  const fs::path script = fs::path(RX_SOURCE_DIR) / "cmake" / "check_includes.cmake";
  const std::string command = std::string("\"") + RX_CMAKE + "\" -DROOT=\"" + root.string() +
                              "\" -P \"" + script.string() + "\" 2>&1";
  CheckResult r{-1, ""};
  FILE* p = popen(command.c_str(), "r");
  if (!p) return r;
  char buf[512];
  while (fgets(buf, sizeof buf, p)) r.output += buf;
  r.status = pclose(p);
  return r;
}

// A scratch source tree with a lower layer's file and a higher layer's header.
class PlantedTree : public ::testing::Test {
 protected:
  fs::path root = fs::temp_directory_path() / ("rx907_includes_" + std::to_string(::getpid()));
  void SetUp() override {
    fs::remove_all(root);
    write("src/render/hud_parts.h", "#pragma once\n");
    write("src/world/map.h", "#pragma once\n#include \"state/settings.h\"\n");
    write("src/state/settings.h", "#pragma once\n#include <vector>\n");
  }
  void TearDown() override { fs::remove_all(root); }
  void write(const std::string& rel, const std::string& text) {
    fs::create_directories((root / rel).parent_path());
    std::ofstream(root / rel) << text;
  }
};

}  // namespace

TEST(IncludeOrder, TheGameTreePassesTheCheck) {
  const CheckResult r = checkincludes(RX_SOURCE_DIR);
  EXPECT_EQ(r.status, 0) << r.output;
}

TEST_F(PlantedTree, DownwardIncludesPass) {
  write("src/render/hud.cpp", "#include \"render/hud_parts.h\"\n#include \"../world/map.h\"\n");
  const CheckResult r = checkincludes(root);
  EXPECT_EQ(r.status, 0) << r.output;
}

TEST_F(PlantedTree, EveryFormOfAnUpwardIncludeIsCaught) {
  write("src/world/doors.cpp", "#include \"../render/hud_parts.h\"\n");
  write("src/world/lamps.cpp", "#include <render/hud_parts.h>\n");
  write("src/state/assets.cpp", "  #  include \"world/map.h\"\n");
  const CheckResult r = checkincludes(root);
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.output.find("src/world/doors.cpp: ../render/hud_parts.h"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("src/world/lamps.cpp: render/hud_parts.h"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("src/state/assets.cpp: world/map.h"), std::string::npos) << r.output;
}

TEST_F(PlantedTree, SdlAndX11StayInThePlatformAndGameCodeStaysInSrc) {
  // The planted lines are put together here so that this file itself names
  // no platform header in an include line.
  const std::string inc = "#include ";
  write("src/platform/display.cpp", inc + "<" + "SDL.h>\n" + inc + "<" + "X11/Xlib.h>\n");
  write("fuzz/fuzz_inputs.cpp", inc + "<" + "X11/Xlib.h>\n");
  write("src/input/keys.cpp", inc + "\"" + "SDL_keycode.h\"\n" + inc + "\"../../tests/helper.h\"\n");
  write("tests/helper.h", "#pragma once\n");
  write("src/newfolder/thing.cpp", "int thing;\n");
  const CheckResult r = checkincludes(root);
  EXPECT_NE(r.status, 0);
  EXPECT_EQ(r.output.find("src/platform/display.cpp"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("fuzz/fuzz_inputs.cpp: X11/Xlib.h"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("src/input/keys.cpp: SDL_keycode.h"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("reaches out of src/"), std::string::npos) << r.output;
  EXPECT_NE(r.output.find("src/newfolder/thing.cpp: lies in no layer"), std::string::npos) << r.output;
}
