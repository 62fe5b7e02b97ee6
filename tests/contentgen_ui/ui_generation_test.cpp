// The picture generators themselves: every console, menu and portrait name
// is registered, generation is byte-identical from run to run, and the
// build's archive holds exactly what they make.
#include <gtest/gtest.h>

#include <string>

#include "registry.h"
#include "rgba_image.h"
#include "ui_art/ui_art.h"

namespace {

std::vector<std::string> ui_names() {
  std::vector<std::string> names = {
      "sm_back", "sm_tab", "sm_ticker", "startblack", "icon_1", "icon_2", "icon_3", "icon_4",
      "board_1", "board_2", "board_3", "board2_1", "board2_2", "mm_back", "mm_room", "mm_you",
      "mm_hori", "mm_vert", "musti", "mm_someone", "tab", "tabx", "tabz", "tab2", "tab2x", "tab2z",
      "face_alien", "slider_left", "slider_right", "bord_corner", "bord_line", "minicorn",
      "minibord", "minibord_1", "heart", "heart2", "statborder", "blocker", "statbar", "facebord",
      "caret", "backer", "black", "splitter", "indicator", "bald", "bar_st", "bar_stx", "bar_am",
      "bar_amx", "nametab", "scoretab", "viiva", "piste", "piste2", "pausetab", "title", "mouse"};
  for (const char* f : contentgen::ui::kRosterFaces) names.push_back(std::string("face_") + f);
  for (auto& n : names) n += ".png";
  return names;
}

}  // namespace

TEST(UiGeneration, EveryPictureIsRegisteredAndRepeatsByteForByte) {
  contentgen::Registry first, second;
  contentgen::register_ui_art(first);
  contentgen::register_ui_art(second);
  for (const auto& file : ui_names()) {
    SCOPED_TRACE(file);
    const std::string name = "data\\gfx\\" + file;
    const contentgen::Generator* a = first.find(name);
    const contentgen::Generator* b = second.find(name);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    contentgen::Bytes one = (*a)(), two = (*b)(), again = (*a)();
    ASSERT_FALSE(one.empty());
    EXPECT_EQ(one, two);
    EXPECT_EQ(one, again);
    // What the build embedded is what the generator makes.
    EXPECT_EQ(read_gfx(file), one);
  }
}

TEST(UiGeneration, RosterPortraitNamesMatchTheRosterInOrder) {
  // Portrait n belongs to roster character n; a slip in the order would put
  // the wrong face (and sex) on a member.
  const char* roster[15] = {"Marsh", "Teller", "Quill", "Nolan", "Okafor", "Pryce", "Sato", "Lund",
                            "Ebert", "Brody", "Vance", "Ingram", "Yardley", "Moreau", "Castellan"};
  for (int i = 0; i < 15; ++i) {
    std::string lower = roster[i];
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(lower, contentgen::ui::kRosterFaces[i]);
  }
}
