// The end of the program: an open document is ended through the engine's own EndDoc, and no
// object comes back to life afterwards. Each case runs in a child process, since finalization
// happens once per process.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/system/Finalization.h"
#include "print/QorPrint.h"
#include "support/TempDir.h"

namespace {

class ReportingEngine : public TQorPrinter {
 public:
  void EndDoc() override {
    std::fputs("overridden EndDoc reached\n", stderr);
    TQorPrinter::EndDoc();
  }
};

TEST(FinalizationDeathTest, QuittingWithAnOpenFileDocumentEndsIt) {
  GTEST_FLAG_SET(death_test_style, "fast");  // the child writes where the parent looks
  TempDir dir;
  const std::string file = dir.File("open.txt");
  EXPECT_EXIT(
      {
        PrintSet().Mode = 2;
        PrintSet().FileName = file;
        PrintSet().PageHeight = 60;
        if (!QorPrinter().BeginDoc(&PrintSet())) std::abort();
        QorPrinter().Print("last line");
        std::exit(0);  // the unit finalizes as the process exits
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadFileBytes(file), "\r\n\r\nlast line\r\n\f");
}

TEST(FinalizationDeathTest, FinalizationReachesAnOverriddenEndDoc) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TempDir dir;
  const std::string file = dir.File("open.txt");
  EXPECT_EXIT(
      {
        SetQorPrinter(std::make_unique<ReportingEngine>());
        PrintSet().Mode = 2;
        PrintSet().FileName = file;
        if (!QorPrinter().BeginDoc(&PrintSet())) std::abort();
        FinalizeUnits();
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "overridden EndDoc reached");
}

TEST(FinalizationDeathTest, NoAccessorCreatesItsObjectAfterFinalization) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        PrintSet();
        FinalizeUnits();
        try {
          QorPrinter();
        } catch (const std::logic_error&) {
          try {
            PrintSet();
          } catch (const std::logic_error&) {
            std::exit(3);
          }
        }
        std::exit(0);
      },
      ::testing::ExitedWithCode(3), "");
}

}  // namespace
