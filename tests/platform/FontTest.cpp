#include <gtest/gtest.h>

#include "platform/printer/Font.h"

TEST(Font, HeightFollowsTheResolutionAndAssignKeepsThePointSize) {
  TFont screen;
  screen.Name = "Courier New";
  screen.SetSize(12);
  EXPECT_EQ(screen.Height(), -16);  // 96 dpi
  TFont printerFont;
  printerFont.PixelsPerInch = 600;
  printerFont.Assign(screen);
  EXPECT_EQ(printerFont.Height(), -100);
  EXPECT_EQ(printerFont.PixelsPerInch, 600);
  EXPECT_TRUE(printerFont.SameAs(screen));
  printerFont.SetHeight(-50);
  EXPECT_EQ(printerFont.Size(), 6);
}
