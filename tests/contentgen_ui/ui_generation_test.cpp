// The picture generators themselves: every console, menu and portrait name
// is registered and the build's archive holds the painted picture, not the
// placeholder it replaces.
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

TEST(UiGeneration, EveryPictureIsRegisteredAndShippedInsteadOfItsStandIn) {
  // A name the UI art fails to register would ship as its plain placeholder.
  // That the build's files are byte for byte what the painters make is the
  // content repeat check's job (a whole second run of the generator).
  contentgen::Registry ui, stand_ins;
  contentgen::register_ui_art(ui);
  contentgen::register_placeholders(stand_ins);
  for (const auto& file : ui_names()) {
    SCOPED_TRACE(file);
    const std::string name = "data\\gfx\\" + file;
    ASSERT_NE(ui.find(name), nullptr);
    const contentgen::Bytes built = read_gfx(file);
    ASSERT_FALSE(built.empty());
    const contentgen::Generator* plain = stand_ins.find(name);
    ASSERT_NE(plain, nullptr);
    EXPECT_NE((*plain)(), built) << "the placeholder was shipped";
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
