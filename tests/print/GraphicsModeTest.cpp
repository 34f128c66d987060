// Graphics mode through a printer double that records what is drawn: at 600 dpi, with
// characters 50 pixels wide; 12-point text is 100 pixels high, 14-point 117, 10-point 83.
#include <gtest/gtest.h>

#include <algorithm>

#include "print/EngineProbe.h"
#include "support/PrinterDouble.h"

namespace {

class GraphicsTest : public ::testing::Test {
 protected:
  GraphicsTest() { settings.Mode = 1; }
  std::vector<TPrinterDouble::Drawn> Print(const std::vector<std::string>& lines) {
    EXPECT_TRUE(engine.BeginDoc(&settings)) << engine.LastError();
    for (const std::string& line : lines) engine.Print(line);
    engine.EndDoc();
    return printer->Texts();
  }
  int Calls(const std::string& call) {
    return static_cast<int>(std::count_if(printer->calls.begin(), printer->calls.end(),
                                          [&](const auto& d) { return d.call == call; }));
  }

  ScopedPrinterDouble printer;
  TQorPrintSet settings;
  TEngineProbe engine;
};

TEST_F(GraphicsTest, TitleLineByLineInTheTitleFontThenTheBody) {
  settings.Title = "First\r\nSecond";
  const auto drawn = Print({"Body"});
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].text, "First");
  EXPECT_EQ(drawn[0].fontName, "Arial");
  EXPECT_EQ(drawn[0].fontSize, 14);
  EXPECT_EQ(drawn[0].x, 472);
  EXPECT_EQ(drawn[0].y, 472);
  EXPECT_EQ(drawn[1].y, 472 + 117);
  EXPECT_EQ(drawn[2].text, "Body");
  EXPECT_EQ(drawn[2].fontName, "Courier New");
  EXPECT_EQ(drawn[2].y, 472 + 2 * 117);
  EXPECT_EQ(drawn[2].rect.Right, 4606);  // cut at the right margin
  EXPECT_EQ(drawn[2].rect.Bottom, 6543);
}

TEST_F(GraphicsTest, PageNumbersInTheirFontAndPlace) {
  struct Case {
    const char* what;
    bool atTop;
    int numberSize;
    int expectedY;
  } cases[] = {
      {"top", true, 10, 472 - 2 * 83},
      {"top, too high for the margin", true, 40, 0},
      {"bottom", false, 10, 7015 - 2 * 83},
      {"bottom, would rise above the text", false, 40, 6543},
  };
  for (const Case& c : cases) {
    ScopedPrinterDouble fresh;
    settings.NumberOnFirstPage = true;
    settings.NumberAtTop = c.atTop;
    settings.NumberFont.SetSize(c.numberSize);
    TEngineProbe probe;
    ASSERT_TRUE(probe.BeginDoc(&settings));
    probe.Print("x");
    probe.EndDoc();
    const auto drawn = fresh->Texts();
    ASSERT_GE(drawn.size(), 2u) << c.what;
    EXPECT_EQ(drawn[0].text, "- 1 -") << c.what;
    EXPECT_EQ(drawn[0].fontName, "Arial") << c.what;
    EXPECT_EQ(drawn[0].fontSize, c.numberSize) << c.what;
    EXPECT_EQ(drawn[0].y, c.expectedY) << c.what;
    EXPECT_EQ(drawn[0].x, 472 + (4606 - 472 - 250) / 2) << c.what;  // centred, 5 characters
    EXPECT_EQ(drawn.back().fontName, "Courier New") << c.what;      // back to the text font
  }
}

TEST_F(GraphicsTest, ALineWhoseHeightWouldPassTheBottomGoesToTheNextSheet) {
  std::vector<std::string> lines(70, "line");
  const auto drawn = Print(lines);
  // The empty title (117 pixels in the title font) and 59 lines fill the first sheet: the last
  // at y 589 + 58 * 100 = 6389, whose bottom (6489) still fits; the next would end at 6589.
  EXPECT_EQ(Calls("NewPage"), 1);
  ASSERT_EQ(drawn.size(), 70u + 1 + 1);  // title, lines, the second sheet's number
  EXPECT_EQ(drawn[59].y, 589 + 58 * 100);
  EXPECT_EQ(drawn[60].text, "- 2 -");
  EXPECT_EQ(drawn[61].y, 472);
}

TEST_F(GraphicsTest, IntervalScalesTheAdvance) {
  for (double interval : {0.5, 2.0}) {
    ScopedPrinterDouble fresh;
    settings.Interval = interval;
    TEngineProbe probe;
    ASSERT_TRUE(probe.BeginDoc(&settings));
    probe.Print("a");
    probe.Print("b");
    probe.EndDoc();
    const auto drawn = fresh->Texts();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[2].y - drawn[1].y, static_cast<int>(interval * 100)) << interval;
  }
}

TEST_F(GraphicsTest, UnselectedPagesUseNoPaper) {
  settings.PrintRange = 1;
  settings.Pages = "3";
  std::vector<std::string> lines(200, "line");
  ASSERT_TRUE(engine.BeginDoc(&settings));
  for (const std::string& line : lines)
    if (engine.MorePages()) engine.Print(line);
  engine.EndDoc();
  EXPECT_EQ(Calls("BeginDoc"), 1);
  EXPECT_EQ(Calls("NewPage"), 0);  // page 3 is drawn on the job's first sheet
  const auto drawn = printer->Texts();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn[0].text, "- 3 -");
  EXPECT_EQ(drawn.size(), 1u + 60);  // its number and its 60 lines
}

TEST_F(GraphicsTest, WithoutSettingsTheJobIsNamedAndInCourier) {
  engine.SetMode(1);
  ASSERT_TRUE(engine.BeginDoc(nullptr));
  engine.Print("x");
  engine.EndDoc();
  EXPECT_EQ(printer->title, "QorPrint");
  EXPECT_EQ(printer->Texts()[0].fontName, "Courier New");
  EXPECT_EQ(printer->copies, 1);
}

TEST_F(GraphicsTest, ARangeBeforeTheFirstPageIsNothingToPrint) {
  settings.PrintRange = 1;
  settings.Pages = "4-6";
  settings.FirstPageNumber = 7;
  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_EQ(engine.LastError(), "Nothing to print");
  EXPECT_EQ(Calls("BeginDoc"), 0);  // no job was started
}

TEST_F(GraphicsTest, AbortAbandonsTheJob) {
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Abort();
  EXPECT_EQ(Calls("Abort"), 1);
  EXPECT_EQ(Calls("EndDoc"), 0);
  EXPECT_FALSE(engine.Printing());
}

}  // namespace
