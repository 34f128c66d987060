// Text mode: the ESC/P byte stream handed to the spooler, and each spooler refusal.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/system/CodePage.h"
#include "print/EngineProbe.h"
#include "support/PrinterDouble.h"
#include "support/SpoolerDouble.h"
#include "support/WorkedDocument.h"

namespace {

const std::string kSetup("\x1b\x50\x12\x1b\x33\x24", 6);
std::string Spaces(int n) {
  return std::string(n, ' ');
}

class TextModeTest : public ::testing::Test {
 protected:
  TextModeTest() : previousPages(SetSystemCodePages({1252, 850})) { settings.Mode = 0; }
  ~TextModeTest() override { SetSystemCodePages(previousPages); }

  TCodePages previousPages;
  ScopedPrinterDouble printer;
  ScopedSpoolerDouble spooler;
  TQorPrintSet settings;
  TEngineProbe engine;
};

TEST_F(TextModeTest, WorkedDocumentOf62Lines) {
  ASSERT_TRUE(engine.BeginDoc(&settings)) << engine.LastError();
  for (int i = 1; i <= 62; ++i) engine.Print(worked::CallerLine(i));
  engine.EndDoc();

  const std::string expected = worked::TextDocument();
  EXPECT_EQ(spooler->bytes, expected);

  EXPECT_EQ(spooler->openedName, "Double");
  EXPECT_EQ(spooler->docName, "QorPrint");
  const std::vector<std::string>& calls = spooler->calls;
  ASSERT_GE(calls.size(), 5u);
  EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 3),
            (std::vector<std::string>{"OpenPrinter", "GetPrinter", "StartDocPrinter"}));
  EXPECT_EQ(std::vector<std::string>(calls.end() - 2, calls.end()),
            (std::vector<std::string>{"EndDocPrinter", "ClosePrinter"}));
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "AbortPrinter"), 0);
}

TEST_F(TextModeTest, TextIsConvertedToTheOemPageButControlCodesAreNot) {
  settings.Interval = 4.0;  // line spacing byte 90 hex, which is no character of 1252
  settings.WithoutPages = true;
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Print("caf\xe9");
  engine.EndDoc();
  EXPECT_EQ(spooler->bytes, std::string("\x1b\x50\x12\x1b\x33\x90", 6) + Spaces(6) + "\r\n" +
                                Spaces(6) + "caf\x82\r\n" + Spaces(6) + "\x1b@\r\n");
}

TEST_F(TextModeTest, LongLinesAndZeroBytesArriveWhole) {
  settings.PageWidth = 500;  // pitch 4 gives RightX 381
  settings.TextPitch = 4;
  settings.WithoutPages = true;
  const std::string line = std::string(150, 'a') + std::string(1, '\0') + std::string(149, 'b');
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Print(line);
  engine.EndDoc();
  const std::string body = Spaces(14) + line + "\r\n";
  EXPECT_NE(spooler->bytes.find(body), std::string::npos);
}

TEST_F(TextModeTest, WithoutPagesHasNoMarginsNumbersOrFormFeeds) {
  settings.WithoutPages = true;
  settings.PageHeight = 60;  // TopY 4, BottomY 9: five lines a page
  ASSERT_TRUE(engine.BeginDoc(&settings));
  for (int i = 1; i <= 6; ++i) engine.Print(std::to_string(i));
  engine.EndDoc();
  std::string expected = kSetup + Spaces(6) + "\r\n";
  for (int i = 1; i <= 6; ++i) expected += Spaces(6) + std::to_string(i) + "\r\n";
  expected += Spaces(6) + "\x1b@\r\n";
  EXPECT_EQ(spooler->bytes, expected);
}

TEST_F(TextModeTest, DocumentStoppedByMorePagesEndsWithoutFormFeedOrReset) {
  settings.PageHeight = 60;
  settings.PrintRange = 1;
  settings.Pages = "1";
  ASSERT_TRUE(engine.BeginDoc(&settings));
  int i = 0;
  while (engine.MorePages()) engine.Print(std::to_string(++i));
  engine.EndDoc();
  EXPECT_EQ(i, 5);  // the fifth line began page 2
  EXPECT_EQ(spooler->bytes, kSetup + "\r\n\r\n\r\n" + Spaces(6) + "\r\n" + Spaces(6) + "1\r\n" +
                                Spaces(6) + "2\r\n" + Spaces(6) + "3\r\n" + Spaces(6) + "4\r\n\f");
}

TEST_F(TextModeTest, AbortSendsTheResetAndEndsTheJobNormally) {
  settings.WithoutPages = true;
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Print("a");
  engine.Abort();
  EXPECT_EQ(spooler->bytes,
            kSetup + Spaces(6) + "\r\n" + Spaces(6) + "a\r\n" + Spaces(6) + "\x1b@\r\n");
  EXPECT_EQ(spooler->calls.back(), "ClosePrinter");
  EXPECT_EQ(spooler->calls[spooler->calls.size() - 2], "EndDocPrinter");
  EXPECT_FALSE(engine.Printing());
}

TEST_F(TextModeTest, SpoolerRefusalsWhileOpening) {
  struct Case {
    const char* refused;
    int failWriteAt;
    std::string message;
    bool cancelsJob;
  } cases[] = {
      {"OpenPrinter", 0, "Error connecting to printer", false},
      {"GetPrinter", 0, "Error connecting to printer", false},
      {"StartDocPrinter", 0, "Error opening document print", false},
      {"", 1, "Error printing document", true},  // the setup codes
  };
  for (const Case& c : cases) {
    ScopedSpoolerDouble refusing;
    if (*c.refused) refusing->fail.insert(c.refused);
    refusing->failWriteAt = c.failWriteAt;
    TEngineProbe probe;
    EXPECT_FALSE(probe.BeginDoc(&settings)) << c.refused;
    EXPECT_EQ(probe.LastError(), c.message) << c.refused;
    EXPECT_FALSE(probe.Printing());
    EXPECT_EQ(refusing->openHandles, 0) << c.refused;
    EXPECT_EQ(std::count(refusing->calls.begin(), refusing->calls.end(), "AbortPrinter"),
              c.cancelsJob ? 1 : 0)
        << c.refused;
  }
}

TEST_F(TextModeTest, RefusedWriteKeepsTheDocumentOpenAndTheLineUnCounted) {
  ASSERT_TRUE(engine.BeginDoc(&settings));
  const int32_t before = engine.CurY;
  spooler->fail.insert("WritePrinter");
  EXPECT_THROW(
      {
        try {
          engine.Print("x");
        } catch (const EPrinterError& error) {
          EXPECT_STREQ(error.what(), "Error printing document");
          throw;
        }
      },
      EPrinterError);
  EXPECT_EQ(engine.CurY, before);
  EXPECT_TRUE(engine.Printing());
  spooler->fail.clear();
  engine.EndDoc();
}

TEST_F(TextModeTest, RefusedEndReleasesTheSpooler) {
  ASSERT_TRUE(engine.BeginDoc(&settings));
  spooler->fail.insert("EndDocPrinter");
  try {
    engine.EndDoc();
    FAIL() << "no error";
  } catch (const EPrinterError& error) {
    EXPECT_STREQ(error.what(), "Error closing document");
  }
  EXPECT_FALSE(engine.Printing());
  EXPECT_EQ(spooler->openHandles, 0);
}

TEST_F(TextModeTest, RangeBeforeTheFirstPageIsNothingToPrint) {
  settings.PrintRange = 1;
  settings.Pages = "4-6";
  settings.FirstPageNumber = 7;
  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_EQ(engine.LastError(), "Nothing to print");
  EXPECT_TRUE(spooler->calls.empty());
}

}  // namespace
