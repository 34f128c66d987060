#include <gtest/gtest.h>

#include "print/QorStrings.h"

TEST(FitText, PlacesTextInExactlyTheWidth) {
  struct Case {
    std::string text;
    int width, alignment;
    std::string expected;
  } cases[] = {
      {"Name", 11, taCenter, "   Name    "},  // odd spare space falls to the right
      {"7", 5, taRight, "    7"},
      {"abc", 5, taLeft, "abc  "},
      {"abcdef", 4, taCenter, "abcd"},  // cut at the right, no mark
      {"abcd", 4, taRight, "abcd"},
      {"", 3, taCenter, "   "},
      {"abc", 0, taLeft, ""},
      {"abc", -2, taRight, ""},
      {" ", 6, taCenter, "      "},  // the engine's way of making leading spaces
  };
  for (const Case& c : cases)
    EXPECT_EQ(FitText(c.text, c.width, c.alignment), c.expected)
        << '"' << c.text << "\" width " << c.width << " alignment " << c.alignment;
}

TEST(DashString, CountsDashes) {
  EXPECT_EQ(DashString(5), "-----");
  EXPECT_EQ(DashString(0), "");
  EXPECT_EQ(DashString(-3), "");
  EXPECT_EQ(DashString(32767).size(), 32767u);
}

TEST(StrToIntDef, ReadsSignedDecimalsOrGivesTheDefault) {
  struct Case {
    std::string text;
    int32_t expected;
  } cases[] = {{"12", 12},
               {"-5", -5},
               {"+7", 7},
               {"", -1},
               {"-", -1},
               {"2-3", -1},
               {"1a", -1},
               {"2147483647", 2147483647},
               {"2147483648", -1},
               {"-2147483648", INT32_MIN},
               {"99999999999999999999", -1}};
  for (const Case& c : cases) EXPECT_EQ(StrToIntDef(c.text, -1), c.expected) << c.text;
}
