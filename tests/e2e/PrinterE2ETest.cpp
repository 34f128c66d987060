// The machine's printer object on the private CUPS server: its list, its current printer and
// the device metrics of real destinations.
#include <gtest/gtest.h>

#include "e2e/CupsServer.h"
#include "platform/printer/SystemPrinter.h"
#include "print/QorPrint.h"
#include "support/ChoosePrinter.h"
#include "support/SpoolerDouble.h"

namespace {

class EngineProbe : public TQorPrinter {
 public:
  using TQorPrinter::BottomY;
  using TQorPrinter::LeftX;
  using TQorPrinter::PageEndY;
  using TQorPrinter::RightX;
  using TQorPrinter::TopY;
};

class PrinterE2E : public ::testing::Test {
 protected:
  PrinterE2E() {
    e2e::UseServer(e2e::ServerDir());
    previous = SetPrinter(std::make_unique<TSystemPrinter>());
  }
  ~PrinterE2E() override { SetPrinter(std::move(previous)); }
  std::unique_ptr<TPrinter> previous;
};

TEST_F(PrinterE2E, DestinationsComeBeforePrintToPdfAndTheDefaultIsCurrent) {
  const std::vector<std::string> printers = Printer().Printers();
  EXPECT_EQ(printers, (std::vector<std::string>{"qor-full", "qor-ppd", "qor-raw", "qor-reject",
                                                "Print to PDF"}));
  EXPECT_EQ(printers[Printer().PrinterIndex()], "qor-raw");
  ChoosePrinter("qor-ppd");
  EXPECT_EQ(printers[Printer().PrinterIndex()], "qor-ppd");
}

TEST_F(PrinterE2E, MetricsOfDestinations) {
  struct Case {
    const char* printer;
    TPrinterOrientation orientation;
    int horz, vert, dpiX, dpiY, offX, offY;
  } cases[] = {
      // Letter with 1/4 inch sides and 1/2 inch top and bottom, at 300 dpi.
      {"qor-ppd", TPrinterOrientation::poPortrait, 203, 254, 300, 300, 75, 150},
      {"qor-ppd", TPrinterOrientation::poLandscape, 254, 203, 300, 300, 150, 75},
      // No paper data: A4 at 600 dpi without an unprintable edge.
      {"qor-raw", TPrinterOrientation::poPortrait, 210, 297, 600, 600, 0, 0},
      {"Print to PDF", TPrinterOrientation::poPortrait, 210, 297, 600, 600, 0, 0},
  };
  for (const Case& c : cases) {
    ChoosePrinter(c.printer);
    Printer().SetOrientation(c.orientation);
    EXPECT_EQ(Printer().GetDeviceCaps(HORZSIZE), c.horz) << c.printer;
    EXPECT_EQ(Printer().GetDeviceCaps(VERTSIZE), c.vert) << c.printer;
    EXPECT_EQ(Printer().GetDeviceCaps(LOGPIXELSX), c.dpiX) << c.printer;
    EXPECT_EQ(Printer().GetDeviceCaps(LOGPIXELSY), c.dpiY) << c.printer;
    EXPECT_EQ(Printer().GetDeviceCaps(PHYSICALOFFSETX), c.offX) << c.printer;
    EXPECT_EQ(Printer().GetDeviceCaps(PHYSICALOFFSETY), c.offY) << c.printer;
  }
  Printer().SetOrientation(TPrinterOrientation::poPortrait);
}

TEST_F(PrinterE2E, TextModeGeometryFollowsTheDestinationsEdges) {
  ScopedSpoolerDouble spooler;  // the geometry only: no job for the real queue
  ChoosePrinter("qor-ppd");
  TQorPrintSet settings;
  settings.Mode = 0;
  EngineProbe engine;
  ASSERT_TRUE(engine.BeginDoc(&settings)) << engine.LastError();
  // 75 pixels at 300 dpi are 2 columns; 150 pixels are 3 lines.
  EXPECT_EQ(engine.LeftX, 7 - 2);
  EXPECT_EQ(engine.RightX, 76 - 2);
  EXPECT_EQ(engine.TopY, 4 - 3);
  EXPECT_EQ(engine.BottomY, 65 - 3);
  EXPECT_EQ(engine.PageEndY, 70 - 3);
  engine.Abort();
}

}  // namespace
