// Glyph placement of the text operations, checked without drawing.
#include <gtest/gtest.h>

#include "render/font_tables.h"
#include "render/text.h"

using text::layout_text;

namespace {

std::vector<int> frames(const text::Style& st, const std::string& s) {
  std::vector<int> out;
  for (const auto& g : layout_text(st, 0, s, false)) out.push_back(g.frame);
  return out;
}

}  // namespace

TEST(TextLayout, CentredLargeTextStartsHalfItsWidthLeftPlusTwo) {
  auto g = layout_text(text::style_bigtext(), 512, "AB", true);
  ASSERT_EQ(g.size(), 2u);
  EXPECT_EQ(g[0].x, 512 - 26);
  EXPECT_EQ(g[1].x, 512 - 26 + 28);
  EXPECT_EQ(g[0].frame, 1);
  EXPECT_EQ(g[1].frame, 2);
  EXPECT_EQ(bigtextwidth("AB"), 56);
  // Left-aligned text starts at x, rounded to the nearest pixel.
  EXPECT_EQ(layout_text(text::style_bigtext(), 99.6f, "A", false)[0].x, 100);
}

TEST(TextLayout, LargeFontsShareCapitalsSmallFontHasLowerCase) {
  std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xC5";
  std::string lower = "abcdefghijklmnopqrstuvwxyz\xE4\xF6\xE5";
  EXPECT_EQ(frames(text::style_bigtext(), upper), frames(text::style_bigtext(), lower));
  EXPECT_EQ(frames(text::style_text2small(), upper), frames(text::style_text2small(), lower));
  auto su = frames(text::style_smalltext(1), upper), sl = frames(text::style_smalltext(1), lower);
  for (size_t i = 0; i < su.size(); ++i) EXPECT_NE(su[i], sl[i]) << "letter " << i;
  EXPECT_EQ(frames(text::style_smalltext(1), "a"), std::vector<int>{27});
  EXPECT_EQ(frames(text::style_smalltext(1), "\xA4&"), (std::vector<int>{87, 88}));
}

TEST(TextLayout, SpacesAndUnknownCharactersUseFrameZero) {
  EXPECT_EQ(bigtextwidth(" "), 18);
  EXPECT_EQ(smalltextwidth(" "), 5);
  auto g = layout_text(text::style_bigtext(), 0, " A", false);
  EXPECT_EQ(g[0].frame, 0);
  EXPECT_EQ(g[1].x, 18);
  // "?" is not in the large font: blank glyph, blank advance.
  EXPECT_EQ(frames(text::style_bigtext(), "?~\x01\xFF"), (std::vector<int>{0, 0, 0, 0}));
}

TEST(TextLayout, EveryByteMapsInsideItsSheet) {
  for (int c = 0; c < 256; ++c) {
    EXPECT_LT(fonttab::map_large[c], fonttab::largeframes);
    EXPECT_LT(fonttab::map_small[c], fonttab::smallframes);
    EXPECT_LT(fonttab::map_digits[c], fonttab::digitframes);
  }
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(layout_text(text::style_smalltext(1), 0, all, true).size(), 256u);
}

TEST(TextLayout, LeadingZerosPadShortNumbersOnly) {
  EXPECT_EQ(padzeros("7", 3), "007");
  EXPECT_EQ(padzeros("1234", 3), "1234");
  EXPECT_EQ(padzeros("", 2), "00");
  EXPECT_EQ(padzeros("5", 0), "5");
  EXPECT_EQ(frames(text::style_smalldigits(), padzeros("7", 3)), (std::vector<int>{0, 0, 7}));
  EXPECT_EQ(frames(text::style_number(1), "-9"), (std::vector<int>{10, 9}));
}

TEST(TextLayout, ScaledAdvanceIsTruncatedAfterEveryCharacter) {
  // (20 + 8) * 0.66 = 18.48 per "A": the pen goes 0, 18, 36, not 18.48, 36.96.
  auto g = layout_text(text::style_bigtextsmall(), 100, "AAA", false);
  EXPECT_EQ(g[1].x - g[0].x, 18);
  EXPECT_EQ(g[2].x - g[0].x, 36);
  EXPECT_EQ(text::text_total(text::style_bigtextsmall(), "AAA"), 54);
  // Centred: -total / 2 with no bias.
  EXPECT_EQ(layout_text(text::style_bigtextsmall(), 100, "AAA", true)[0].x, 100 - 27);
}

TEST(TextLayout, DigitFontsCentreOnTheirTrimmedWidth) {
  // numbers.png: 4 x 37 = 148, start -(148 - 6) / 2 = -71.
  EXPECT_EQ(layout_text(text::style_number(1), 500, "5000", true)[0].x, 500 - 71);
  // Scale 0 means 1.
  EXPECT_EQ(text::text_total(text::style_number(0), "12"), 74);
  // Half size: int(35 * 0.5) = 17 per digit; -(34 - 5) / 2 = -14.
  EXPECT_EQ(layout_text(text::style_numberhalf(), 200, "12", true)[0].x, 200 - 14);
  // numbers2.png: "7" is 9 + 2; "07" = 12 + 11 = 23, start -(23 - 5) / 2 = -9.
  EXPECT_EQ(layout_text(text::style_smalldigits(), 50, "07", true)[0].x, 50 - 9);
  // font2 at 0.45: (20 + 4) * 0.45 = 10.8 -> 10 per "A".
  EXPECT_EQ(text::text_total(text::style_text2small(), "AA"), 20);
}
