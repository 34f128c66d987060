// Text mode into the private CUPS server: the bytes its raw queue captures, and its refusals.
#include <gtest/gtest.h>

#include <chrono>

#include "e2e/CupsServer.h"
#include "platform/printer/CupsSpooler.h"
#include "platform/printer/SystemPrinter.h"
#include "platform/system/CodePage.h"
#include "print/QorPrint.h"
#include "support/ChoosePrinter.h"
#include "support/PrinterDouble.h"
#include "support/TempDir.h"
#include "support/WorkedDocument.h"

namespace {

const std::string kSetup("\x1b\x50\x12\x1b\x33\x24", 6);
std::string Spaces(int n) {
  return std::string(n, ' ');
}

// The machine's own printer object and spooler, on the private server.
class TextModeE2E : public ::testing::Test {
 protected:
  TextModeE2E() {
    e2e::UseServer(dir);
    previousPages = SetSystemCodePages({1252, 850});
    previousPrinter = SetPrinter(std::make_unique<TSystemPrinter>());
    previousSpooler = SetSpooler(std::make_unique<TCupsSpooler>());
    settings.Mode = 0;
  }
  ~TextModeE2E() override {
    SetSpooler(std::move(previousSpooler));
    SetPrinter(std::move(previousPrinter));
    SetSystemCodePages(previousPages);
  }

  std::string dir = e2e::ServerDir();
  TCodePages previousPages;
  std::unique_ptr<TPrinter> previousPrinter;
  std::unique_ptr<TSpooler> previousSpooler;
  TQorPrintSet settings;
  TQorPrinter engine;
};

TEST_F(TextModeE2E, WorkedDocumentArrivesByteForByte) {
  const std::vector<int> before = e2e::CapturedJobs(dir, "qor-raw");
  ASSERT_TRUE(engine.BeginDoc(&settings)) << engine.LastError();  // the default destination
  for (int i = 1; i <= 62; ++i) engine.Print(worked::CallerLine(i));
  engine.EndDoc();

  const std::string expected = worked::TextDocument();
  EXPECT_EQ(e2e::WaitForNewJob(dir, "qor-raw", before), expected);
}

TEST_F(TextModeE2E, OemTextLongLinesAndSpacingBytesArriveAsSent) {
  settings.PageWidth = 500;  // pitch 4: RightX 381
  settings.TextPitch = 4;
  settings.Interval = 4.0;
  settings.WithoutPages = true;
  settings.Title = "caf\xe9";
  const std::string longLine(300, 'w');
  const std::vector<int> before = e2e::CapturedJobs(dir, "qor-raw");
  ASSERT_TRUE(engine.BeginDoc(&settings)) << engine.LastError();
  engine.Print(longLine);
  engine.EndDoc();
  EXPECT_EQ(e2e::WaitForNewJob(dir, "qor-raw", before),
            std::string("\x1b\x4d\x0f\x1b\x33\x90", 6) + Spaces(14) + "caf\x82\r\n" + Spaces(14) +
                longLine + "\r\n" + Spaces(14) + "\x1b@\r\n");
}

TEST_F(TextModeE2E, RefusingQueuesAndPrintersMakeBeginDocAnswerFalse) {
  ChoosePrinter("qor-reject");
  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_EQ(engine.LastError(), "Error opening document print");

  ChoosePrinter("Print to PDF");
  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_EQ(engine.LastError(), "Error connecting to printer");

  ScopedPrinterDouble missing;  // names a queue the server does not have
  missing->deviceName = "qor-missing";
  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_EQ(engine.LastError(), "Error connecting to printer");
  EXPECT_FALSE(engine.Printing());
}

// The real spooler, refusing its first write: the setup codes of the document.
class RefuseFirstWrite : public TCupsSpooler {
 public:
  bool WritePrinter(TPrinterHandle handle, const void* data, uint32_t count,
                    uint32_t& written) override {
    if (writes++ == 0) return false;
    return TCupsSpooler::WritePrinter(handle, data, count, written);
  }
  int writes = 0;
};

TEST_F(TextModeE2E, RefusedSetupWriteLeavesNoPendingJob) {
  SetSpooler(std::make_unique<RefuseFirstWrite>());
  ASSERT_EQ(e2e::ActiveJobs("qor-raw"), 0);
  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_EQ(engine.LastError(), "Error printing document");
  EXPECT_EQ(e2e::ActiveJobs("qor-raw"), 0);
}

TEST_F(TextModeE2E, ServerStoppedMidDocumentGivesAnErrorWithinSeconds) {
  TempDir own;
  const std::string ownServer = own.File("cups");
  ASSERT_TRUE(e2e::ServerScript("start", ownServer));
  e2e::UseServer(ownServer);
  ASSERT_TRUE(engine.BeginDoc(&settings)) << engine.LastError();
  engine.Print("before the stop");
  ASSERT_TRUE(e2e::ServerScript("stop", ownServer));

  const auto start = std::chrono::steady_clock::now();
  std::string message;
  try {
    for (int i = 0; i < 1000000 && engine.Printing(); ++i) engine.Print(worked::CallerLine(i));
    engine.EndDoc();
  } catch (const EPrinterError& error) {
    message = error.what();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_TRUE(message == "Error printing document" || message == "Error closing document")
      << message;
  EXPECT_LT(seconds, 12.0);
  if (engine.Printing()) {
    // Abandoning cannot reach the server either; it says so and still closes the document.
    EXPECT_THROW(engine.Abort(), EPrinterError);
  }
  EXPECT_FALSE(engine.Printing());
  e2e::UseServer(dir);
}

}  // namespace
