#include <gtest/gtest.h>

#include "squad/roster.h"
#include "squad/squad.h"

TEST(Roster, StartingValuesFollowTheCharacter) {
  initroster();
  squadchar[1] = 12;  // Ingram
  squadchar[2] = 3;   // Quill
  setupmember(1);
  setupmember(2);
  EXPECT_EQ(squad[1][mammo], 56);
  EXPECT_EQ(squad[1][mstamina], 9800);
  EXPECT_EQ(squad[1][mhealth], 5);
  EXPECT_EQ(squad[1][msex], 2);
  EXPECT_EQ(squadname[1], "Ingram");
  EXPECT_EQ(squad[2][mammo], 38);
  EXPECT_EQ(squad[2][mstamina], 8600);
  EXPECT_EQ(squad[2][mhealth], 1);
  EXPECT_EQ(squad[2][mstaminaregen], 3);
  EXPECT_EQ(squad[2][mscroll], 800);
}

TEST(Roster, RecoveryRateByStaminaRating) {
  initroster();
  // Sato has stamina 1, Lund 5, Marsh 2.
  squadchar[3] = 7;
  squadchar[4] = 8;
  squadchar[5] = 1;
  setupmember(3);
  setupmember(4);
  setupmember(5);
  EXPECT_EQ(squad[3][mstaminaregen], 2);
  EXPECT_EQ(squad[4][mstaminaregen], 4);
  EXPECT_EQ(squad[5][mstaminaregen], 2);
}

TEST(Roster, DamagedPickStaysInsideTheRoster) {
  initroster();
  squadchar[6] = 99;
  setupmember(6);
  EXPECT_EQ(squadname[6], "Marsh");
  squadchar[6] = -4;
  setupmember(6);
  EXPECT_EQ(squadname[6], "Marsh");
}
