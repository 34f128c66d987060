// Line breaks, the document state machine, virtual dispatch and 32-bit edges of the engine.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "print/EngineProbe.h"
#include "support/PrinterDouble.h"
#include "support/TempDir.h"

namespace {

std::string Spaces(int n) {
  return std::string(n, ' ');
}

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() {
    settings.Mode = 2;
    settings.FileName = dir.File("out.txt");
    settings.PageHeight = 60;  // TopY 2, BottomY 5, PageEndY 8
  }
  std::string Output() const { return ReadFileBytes(settings.FileName); }

  ScopedPrinterDouble printer;
  TempDir dir;
  TQorPrintSet settings;
};

TEST_F(EngineTest, LineBreakRules) {
  struct Case {
    std::string text;
    std::string lines;  // what follows the empty title line
  } cases[] = {
      {"one\r\ntwo", "one\r\ntwo\r\n"},
      {"one\r\n", "one\r\n\r\n"},  // a trailing break prints one empty line
      {"", "\r\n"},
      {"one\n\rtwo", "one\r\ntwo\r\n"},
      {"one\rtwo", "one\rtwo\r\n"},  // a lone CR stays in the line
      {"one\ntwo", "one\ntwo\r\n"},
      {"a\n\r\r\nc", "a\r\n\r\nc\r\n"},  // LF CR before the first CR LF still breaks
      {"\r\n\r\n", "\r\n\r\n\r\n"},
  };
  settings.WithoutPages = true;
  for (const Case& c : cases) {
    TQorPrinter engine;
    ASSERT_TRUE(engine.BeginDoc(&settings));
    engine.Print(c.text);
    engine.EndDoc();
    EXPECT_EQ(Output(), "\r\n" + c.lines) << ::testing::PrintToString(c.text);
  }
}

TEST_F(EngineTest, FormFeedEndsThePage) {
  struct Case {
    std::string text;
    std::string expected;
  } cases[] = {
      {"\f", "\r\n\r\n\r\n\f" + Spaces(39) + "- 2 -\r\n\f"},  // an empty line, then the page
      {"a\fb", "\r\n\r\na\r\n\f" + Spaces(39) + "- 2 -\r\nb\r\n\f"},
      {"a\f\fb",
       "\r\n\r\na\r\n\f" + Spaces(39) + "- 2 -\r\n\r\n\f" + Spaces(39) + "- 3 -\r\nb\r\n\f"},
  };
  for (const Case& c : cases) {
    TQorPrinter engine;
    ASSERT_TRUE(engine.BeginDoc(&settings));
    engine.Print(c.text);
    engine.EndDoc();
    EXPECT_EQ(Output(), c.expected) << ::testing::PrintToString(c.text);
  }
}

TEST_F(EngineTest, MisuseRaisesItsError) {
  auto message = [](const std::function<void()>& action) -> std::string {
    try {
      action();
    } catch (const EPrinterError& error) {
      return error.what();
    }
    return "";
  };
  TQorPrinter engine;
  EXPECT_EQ(message([&] { engine.Print("x"); }), "Print without BeginDoc");
  EXPECT_EQ(message([&] { engine.EndDoc(); }), "EndDoc without BeginDoc");
  EXPECT_EQ(message([&] { engine.Abort(); }), "EndDoc without BeginDoc");

  ASSERT_TRUE(engine.BeginDoc(&settings));
  EXPECT_EQ(message([&] { engine.BeginDoc(nullptr); }), "Double BeginDoc");
  EXPECT_TRUE(engine.Printing());
  engine.EndDoc();
  EXPECT_EQ(message([&] { engine.EndDoc(); }), "EndDoc without BeginDoc");
  EXPECT_EQ(message([&] { engine.Abort(); }), "EndDoc without BeginDoc");
}

TEST_F(EngineTest, BeginDocWithSettingsEndsTheOpenDocumentFirst) {
  TQorPrinter engine;
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Print("first");
  TQorPrintSet second = settings;
  second.FileName = dir.File("second.txt");
  ASSERT_TRUE(engine.BeginDoc(&second));
  EXPECT_EQ(Output(), "\r\n\r\nfirst\r\n\f");
  engine.EndDoc();
  EXPECT_EQ(ReadFileBytes(second.FileName), "\r\n\r\n\f");
}

TEST_F(EngineTest, SetModeEndsAnOpenDocumentEvenWithTheSameValue) {
  TQorPrinter engine;
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.SetMode(2);
  EXPECT_FALSE(engine.Printing());
  EXPECT_EQ(Output(), "\r\n\r\n\f");
}

TEST_F(EngineTest, UnknownModeOpensADocumentThatProducesNothing) {
  ScopedPrinterDouble quietPrinter;
  settings.Mode = 7;
  TQorPrinter engine;
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Print("a\fb\r\nc");
  engine.NewPage();
  engine.EndDoc();
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Abort();
  EXPECT_FALSE(engine.Printing());
  EXPECT_FALSE(FileExists(settings.FileName));
  EXPECT_TRUE(quietPrinter->calls.empty());
}

// A subclass that counts its overrides.
class CountingEngine : public TQorPrinter {
 public:
  int endDocs = 0, newPages = 0;
  void EndDoc() override {
    ++endDocs;
    TQorPrinter::EndDoc();
  }
  void NewPage() override {
    ++newPages;
    TQorPrinter::NewPage();
  }
};

TEST_F(EngineTest, EngineReachesOverridesThroughVirtualDispatch) {
  CountingEngine engine;
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Print("a\fb");  // a form feed
  EXPECT_EQ(engine.newPages, 1);
  engine.Print("c");
  engine.Print("d");
  engine.Print("e");  // page 2 is full
  EXPECT_EQ(engine.newPages, 2);
  engine.SetMode(2);
  EXPECT_EQ(engine.endDocs, 1);
  EXPECT_FALSE(engine.Printing());
}

// The page after 2147483647 is -2147483648, which is not above the first page number: unnumbered.
TEST_F(EngineTest, PageNumbersWrapAt32Bits) {
  settings.FirstPageNumber = INT32_MAX - 1;
  TQorPrinter engine;
  ASSERT_TRUE(engine.BeginDoc(&settings));
  for (const char* line : {"a", "b", "c", "d", "e", "f"}) engine.Print(line);
  EXPECT_TRUE(engine.MorePages());
  engine.EndDoc();
  EXPECT_EQ(Output(), "\r\n\r\na\r\nb\r\n\f" + Spaces(34) + "- 2147483647 -\r\nc\r\nd\r\ne\r\n\f" +
                          "\r\nf\r\n\f");
}

TEST_F(EngineTest, AMillionLineBreaksInOneText) {
  settings.WithoutPages = true;
  std::string text;
  for (int i = 0; i < 1000000; ++i) text += "\r\n";
  TQorPrinter engine;
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Print(text);
  engine.EndDoc();
  EXPECT_EQ(Output().size(), 2u * (1 + 1000000 + 1));  // title, the breaks, the empty last line
}

}  // namespace
