#include <gtest/gtest.h>

#include "print/QorPrint.h"

TEST(PrintSet, DefaultsDescribeAnA4GraphicsJob) {
  const TQorPrintSet s;
  EXPECT_EQ(s.Mode, 1);
  EXPECT_EQ(s.Copies, 1);
  EXPECT_EQ(s.PrintRange, 0);
  EXPECT_EQ(s.PageWidth, 210);
  EXPECT_EQ(s.PageHeight, 297);
  EXPECT_TRUE(s.Portrait);
  EXPECT_EQ(s.MarginTop, 20);
  EXPECT_EQ(s.MarginLeft, 20);
  EXPECT_EQ(s.MarginRight, 15);
  EXPECT_EQ(s.MarginBottom, 20);
  EXPECT_TRUE(s.Numbering);
  EXPECT_TRUE(s.NumberAtTop);
  EXPECT_FALSE(s.NumberOnFirstPage);
  EXPECT_EQ(s.NumberAlignment, 2);
  EXPECT_EQ(s.NumberFormat, "- # -");
  EXPECT_EQ(s.FirstPageNumber, 1);
  EXPECT_EQ(s.TextPitch, 1);
  EXPECT_EQ(s.Interval, 1.0);
  EXPECT_EQ(s.NumberFont.Name, "Arial");
  EXPECT_EQ(s.NumberFont.Size(), 10);
  EXPECT_EQ(s.TitleFont.Name, "Arial");
  EXPECT_EQ(s.TitleFont.Size(), 14);
  EXPECT_EQ(s.TitleFont.Style, fsBold | fsItalic);
  EXPECT_EQ(s.TextFont.Name, "Courier New");
  EXPECT_EQ(s.TextFont.Size(), 12);
}

TEST(PrintSet, SetTitleForKeepsAnEditedTitleForTheSameDataSet) {
  TDataSet* a = reinterpret_cast<TDataSet*>(0x1000);
  TDataSet* b = reinterpret_cast<TDataSet*>(0x2000);
  struct Case {
    const char* what;
    std::string title;
    TDataSet* before;
    std::string proposed;
    TDataSet* dataSet;
    std::string expectedTitle;
  } cases[] = {
      {"same dataset keeps the title", "Edited", a, "Test", a, "Edited"},
      {"other dataset brings its title", "Edited", a, "Test", b, "Test"},
      {"other dataset with an empty title keeps it", "Edited", a, "", b, "Edited"},
      {"no dataset always sets the title", "Edited", a, "", nullptr, ""},
      {"no dataset with a title", "Edited", a, "New", nullptr, "New"},
  };
  for (const Case& c : cases) {
    TQorPrintSet s;
    s.Title = c.title;
    s.DataSet = c.before;
    s.SetTitleFor(c.proposed, c.dataSet);
    EXPECT_EQ(s.Title, c.expectedTitle) << c.what;
    EXPECT_EQ(s.DataSet, c.dataSet) << c.what;
  }
}
