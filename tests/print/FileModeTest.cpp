// File mode: the exact bytes of margins, page numbers, form feeds and body lines.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "print/EngineProbe.h"
#include "support/PrinterDouble.h"
#include "support/TempDir.h"

namespace {

const std::string kFF = "\f";
std::string Spaces(int n) {
  return std::string(n, ' ');
}

class FileModeTest : public ::testing::Test {
 protected:
  FileModeTest() {
    settings.Mode = 2;
    settings.FileName = dir.File("out.txt");
    // 60 mm high with 20 mm margins: TopY 2, BottomY 5, PageEndY 8, so the first page holds the
    // title and two lines, every later page three lines.
    settings.PageHeight = 60;
  }
  std::string PrintLines(const std::vector<std::string>& lines) {
    EXPECT_TRUE(engine.BeginDoc(&settings)) << engine.LastError();
    for (const std::string& line : lines) engine.Print(line);
    engine.EndDoc();
    return ReadFileBytes(settings.FileName);
  }

  ScopedPrinterDouble printer;
  TempDir dir;
  TQorPrintSet settings;
  TEngineProbe engine;
};

TEST_F(FileModeTest, TopNumberStandsOnTheFirstMarginLineWhenTopYIs2) {
  EXPECT_EQ(PrintLines({"a", "b", "c", "d", "e"}),
            "\r\n"  // top margin of page 1: no number on the first page
            "\r\n"  // the empty title
            "a\r\nb\r\n" +
                kFF +  //
                Spaces(39) +
                "- 2 -\r\n"  // centred between columns 7 and 76
                "c\r\nd\r\ne\r\n" +
                kFF);
}

TEST_F(FileModeTest, TopNumberStandsOnTheSecondMarginLineWhenTopYIs3OrMore) {
  settings.MarginTop = 30;   // TopY 4
  settings.PageHeight = 70;  // BottomY 7, PageEndY 9
  EXPECT_EQ(PrintLines({"a", "b", "c", "d"}),
            "\r\n\r\n\r\n"
            "\r\n"
            "a\r\nb\r\n" +
                kFF + "\r\n" + Spaces(39) + "- 2 -\r\n\r\nc\r\nd\r\n" + kFF);
}

TEST_F(FileModeTest, BottomNumberStandsOnLinePageEndMinus3) {
  settings.NumberAtTop = false;
  settings.NumberOnFirstPage = true;
  settings.NumberFormat = "Page #";
  settings.NumberAlignment = 1;  // right: ends at column 76
  EXPECT_EQ(PrintLines({"a", "b", "c"}),
            "\r\n\r\na\r\nb\r\n" + Spaces(70) + "Page 1" + kFF +  // body reached line 5 already
                "\r\nc\r\n" + "\r\n\r\n" + Spaces(70) + "Page 2" + kFF);
}

TEST_F(FileModeTest, BottomNumberOfAFullSizePageFollowsItsBody) {
  settings.PageHeight = 297;  // PageEndY 42: the number goes on line 39
  settings.NumberAtTop = false;
  settings.NumberOnFirstPage = true;
  settings.NumberAlignment = 0;
  std::string lineEnds;
  for (int i = 0; i < 35; ++i) lineEnds += "\r\n";  // from line 4 down to line 39
  EXPECT_EQ(PrintLines({"a"}), "\r\n\r\na\r\n" + lineEnds + Spaces(7) + "- 1 -" + kFF);
}

TEST_F(FileModeTest, NumberFormatsAndAlignments) {
  struct Case {
    std::string format;
    uint8_t alignment;
    int32_t firstPage;
    std::string numberLine;  // the first margin line of page 2
  } cases[] = {
      {"- # -", 2, 1, Spaces(39) + "- 2 -"}, {"Page #", 0, 1, Spaces(7) + "Page 2"},
      {"Page", 1, 1, Spaces(71) + "- 2 -"},   // no "#": the default form
      {"##", 0, 6, Spaces(7) + "7#"},         // only the first "#" stands for the number
      {"- # -", 2, 5, Spaces(39) + "- 6 -"},  // the first page (5) carries no number
      {"#", 1, -1, Spaces(75) + "0"},
  };
  for (const Case& c : cases) {
    settings.NumberFormat = c.format;
    settings.NumberAlignment = c.alignment;
    settings.FirstPageNumber = c.firstPage;
    EXPECT_EQ(PrintLines({"a", "b", "c"}),
              "\r\n\r\na\r\nb\r\n" + kFF + c.numberLine + "\r\nc\r\n" + kFF)
        << c.format << " alignment " << int(c.alignment);
  }
}

TEST_F(FileModeTest, WithoutPagesWritesBodyLinesOnly) {
  settings.WithoutPages = true;
  settings.Title = "T";
  EXPECT_EQ(PrintLines({"a", "b", "c", "d"}), "T\r\na\r\nb\r\nc\r\nd\r\n");
}

// Page k holds these lines of the caller: page 1 the title and lines 1-2, page k lines
// 3k-3 to 3k-1. With WithoutPages the file holds exactly the lines of the selected pages.
TEST_F(FileModeTest, PageListsSelectTheirPages) {
  struct Case {
    std::string pages;
    std::vector<int> selected;
    int32_t lastPage;
  } cases[] = {
      {"1,3,5-12", {1, 3, 5, 6, 7, 8, 9, 10, 11, 12}, 12},
      {"2 ; 4,,6", {2, 4, 6}, 6},
      {"5-", {}, 0},     // open end: value 0, not stored
      {"-5", {}, 5},     // stored and raises LastPage, selects nothing
      {"12-5", {}, 5},   // stored (value 5), selects nothing
      {"1-2-3", {}, 0},  // dropped
      {"0", {}, 0},
      {"", {}, 0},
      {"3-4,2", {2, 3, 4}, 4},
  };
  for (const Case& c : cases) {
    settings.WithoutPages = true;
    settings.PrintRange = 1;
    settings.Pages = c.pages;
    ASSERT_TRUE(engine.BeginDoc(&settings)) << c.pages;
    EXPECT_EQ(engine.LastPage, c.lastPage) << c.pages;
    int printed = 0;
    for (int line = 1; line <= 60 && engine.MorePages(); ++line, ++printed)
      engine.Print(std::to_string(line));
    engine.EndDoc();
    std::string expected;
    for (int page : c.selected) {
      if (page == 1) {
        expected += "\r\n1\r\n2\r\n";
      } else {
        for (int line = 3 * page - 3; line <= 3 * page - 1; ++line)
          expected += std::to_string(line) + "\r\n";
      }
    }
    EXPECT_EQ(ReadFileBytes(settings.FileName), expected) << c.pages;
    // The caller stops once the page after the last requested one has begun.
    const int expectedPrinted = 3 * c.lastPage;  // the first line of the page after
    EXPECT_EQ(printed, expectedPrinted) << c.pages;
  }
}

TEST_F(FileModeTest, PageNumbersOfUnselectedPagesStillCount) {
  settings.PrintRange = 1;
  settings.Pages = "3-4";
  EXPECT_EQ(PrintLines({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}),
            Spaces(39) + "- 3 -\r\n6\r\n7\r\n8\r\n" + kFF + Spaces(39) +
                "- 4 -\r\n9\r\n10\r\n11\r\n" + kFF);
}

TEST_F(FileModeTest, RangeBeforeTheFirstPageOpensAnEmptyFile) {
  settings.PrintRange = 1;
  settings.Pages = "4-6";
  settings.FirstPageNumber = 7;
  settings.Title = "Title";
  ASSERT_TRUE(engine.BeginDoc(&settings));
  EXPECT_FALSE(engine.MorePages());
  EXPECT_TRUE(FileExists(settings.FileName));
  EXPECT_EQ(ReadFileBytes(settings.FileName), "");
  engine.EndDoc();
  EXPECT_EQ(ReadFileBytes(settings.FileName), "");
}

TEST_F(FileModeTest, FileInAMissingFolderRefusesTheDocument) {
  settings.FileName = dir.File("missing/out.txt");
  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_FALSE(engine.Printing());
  EXPECT_EQ(engine.LastError(), "Error opening document file");
}

TEST_F(FileModeTest, FullDiskRaisesSavingErrorAndKeepsTheDocumentOpen) {
  settings.FileName = "/dev/full";
  settings.PrintRange = 1;
  settings.Pages = "3";
  ASSERT_TRUE(engine.BeginDoc(&settings));  // nothing is written before page 3
  engine.Print("1");
  engine.Print("2");
  engine.Print("3");
  engine.Print("4");
  engine.Print("5");
  try {
    engine.Print("6");  // the first line of page 3
    FAIL() << "no error";
  } catch (const EPrinterError& error) {
    EXPECT_STREQ(error.what(), "Error saving document");
  }
  EXPECT_TRUE(engine.Printing());
  engine.Abort();
  EXPECT_FALSE(engine.Printing());

  settings.Pages = "1";
  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_EQ(engine.LastError(), "Error saving document");
  EXPECT_FALSE(engine.Printing());
}

TEST_F(FileModeTest, DefaultFileNameIsPrinterWithoutExtensionAndIsReplaced) {
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(dir.Path().c_str()), 0);
  settings.FileName.clear();
  settings.WithoutPages = true;
  for (const char* word : {"first run", "second"}) {
    ASSERT_TRUE(engine.BeginDoc(&settings));
    engine.Print(word);
    engine.EndDoc();
  }
  EXPECT_EQ(ReadFileBytes(dir.File("Printer")), "\r\nsecond\r\n");
  EXPECT_FALSE(FileExists(dir.File("Printer.")));
  ASSERT_EQ(chdir(previous), 0);
}

}  // namespace
