#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>

#include "print/EngineProbe.h"
#include "support/PrinterDouble.h"
#include "support/SpoolerDouble.h"
#include "support/TempDir.h"

namespace {

struct Geometry {
  int32_t leftX, rightX, topY, bottomY, pageEndY;
};

struct GeometryCase {
  const char* what;
  uint8_t mode;
  int edgePixels;  // unprintable edge of the 600-dpi printer on both axes
  bool withSettings;
  Geometry expected;
};

void PrintTo(const GeometryCase& c, std::ostream* os) {
  *os << c.what;
}

class GeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(GeometryTest, MatchesTheWorkedValues) {
  const GeometryCase& c = GetParam();
  ScopedPrinterDouble printer;
  ScopedSpoolerDouble spooler;
  printer->caps[PHYSICALOFFSETX] = printer->caps[PHYSICALOFFSETY] = c.edgePixels;
  TempDir dir;
  TQorPrintSet settings;
  settings.Mode = c.mode;
  settings.FileName = dir.File("out.txt");
  TEngineProbe engine;
  engine.SetMode(c.mode);
  ASSERT_TRUE(engine.BeginDoc(c.withSettings ? &settings : nullptr)) << engine.LastError();
  EXPECT_EQ(engine.LeftX, c.expected.leftX) << c.what;
  EXPECT_EQ(engine.TextX, c.expected.leftX) << c.what;
  EXPECT_EQ(engine.RightX, c.expected.rightX) << c.what;
  EXPECT_EQ(engine.TopY, c.expected.topY) << c.what;
  EXPECT_EQ(engine.BottomY, c.expected.bottomY) << c.what;
  EXPECT_EQ(engine.PageEndY, c.expected.pageEndY) << c.what;
  engine.Abort();
}

INSTANTIATE_TEST_SUITE_P(
    Modes, GeometryTest,
    ::testing::Values(
        GeometryCase{"file mode, A4 default margins", 2, 0, true, {7, 76, 2, 39, 42}},
        GeometryCase{"text mode, pitch 1, interval 1", 0, 0, true, {7, 76, 4, 65, 70}},
        GeometryCase{"graphics mode at 600 dpi", 1, 0, true, {472, 4606, 472, 6543, 7015}},
        // 100 pixels at 600 dpi are one column and one line of text mode.
        GeometryCase{"text mode, 100-pixel edges", 0, 100, true, {6, 75, 3, 64, 69}},
        GeometryCase{"text mode without settings", 0, 0, false, {3, 78, 2, 68, 70}},
        GeometryCase{"graphics mode without settings",
                     1,
                     0,
                     false,
                     {236, 4960 - 236, 236, 7015 - 236, 7015}}),
    [](const ::testing::TestParamInfo<GeometryCase>& info) {
      std::string name = info.param.what;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(Geometry, TextModeSetupStringCarriesPitchAndLineSpacing) {
  ScopedPrinterDouble printer;
  ScopedSpoolerDouble spooler;
  struct Case {
    uint8_t pitch;
    double interval;
    int32_t rightX;
    std::string setup;
  } cases[] = {
      {1, 1.0, 76, std::string("\x1b\x50\x12\x1b\x33\x24", 6)},
      {2, 1.0, 92, std::string("\x1b\x4d\x12\x1b\x33\x24", 6)},
      {3, 1.0, 130, std::string("\x1b\x50\x0f\x1b\x33\x24", 6)},
      {4, 1.0, 153, std::string("\x1b\x4d\x0f\x1b\x33\x24", 6)},
      {0, 1.0, 76, std::string("\x1b\x33\x24", 3)},
      {9, 1.0, 76, std::string("\x1b\x33\x24", 3)},
      {1, 4.0, 76, std::string("\x1b\x50\x12\x1b\x33\x90", 6)},
      // Past one byte the spacing is held at 255 for the printer and the geometry alike.
      {1, 8.0, 76, std::string("\x1b\x50\x12\x1b\x33\xff", 6)},
  };
  for (const Case& c : cases) {
    TQorPrintSet settings;
    settings.Mode = 0;
    settings.TextPitch = c.pitch;
    settings.Interval = c.interval;
    TEngineProbe engine;
    ASSERT_TRUE(engine.BeginDoc(&settings));
    EXPECT_EQ(engine.SetupString, c.setup)
        << "pitch " << int(c.pitch) << " interval " << c.interval;
    EXPECT_EQ(engine.RightX, c.rightX) << "pitch " << int(c.pitch);
    EXPECT_EQ(engine.LineSpacing, std::min(255, int(c.interval * 36)));
    engine.Abort();
  }
}

TEST(Geometry, UnusableLineSpacingRefusesTheDocumentWithoutACrash) {
  ScopedPrinterDouble printer;
  ScopedSpoolerDouble spooler;
  const double intervals[] = {0.02,
                              0.0,
                              -1.0,
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              1e300};
  for (double interval : intervals) {
    TQorPrintSet settings;
    settings.Mode = 0;
    settings.Interval = interval;
    TEngineProbe engine;
    EXPECT_FALSE(engine.BeginDoc(&settings)) << interval;
    EXPECT_EQ(engine.LineSpacing, 0) << interval;
    EXPECT_FALSE(engine.Printing());
    EXPECT_EQ(spooler->openHandles, 0);
  }
}

TEST(Geometry, PrinterGetsOrientationAndCopiesInEveryMode) {
  ScopedPrinterDouble printer;
  ScopedSpoolerDouble spooler;
  TempDir dir;
  for (uint8_t mode : {0, 1, 2}) {
    TQorPrintSet settings;
    settings.Mode = mode;
    settings.Portrait = false;
    settings.Copies = 3;
    settings.FileName = dir.File("f");
    printer->orientation = TPrinterOrientation::poPortrait;
    printer->copies = 1;
    TEngineProbe engine;
    ASSERT_TRUE(engine.BeginDoc(&settings));
    EXPECT_EQ(printer->orientation, TPrinterOrientation::poLandscape) << int(mode);
    EXPECT_EQ(printer->copies, 3) << int(mode);
    engine.Abort();
  }
}

TEST(Geometry, ZeroResolutionPrinterRefusesTheDocument) {
  ScopedPrinterDouble printer;
  ScopedSpoolerDouble spooler;
  printer->caps[LOGPIXELSX] = 0;  // text mode divides by it
  TQorPrintSet settings;
  settings.Mode = 0;
  TEngineProbe engine;
  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_FALSE(engine.Printing());
  EXPECT_EQ(spooler->calls.size(), 0u);
}

}  // namespace
