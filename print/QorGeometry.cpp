// Page geometry of the three modes, in the unit of each: character columns and lines in text
// and file mode, device pixels in graphics mode. 32-bit integer arithmetic, each product formed
// before it is divided.
#include "platform/printer/Printer.h"
#include "print/Int32.h"
#include "print/QorPrint.h"

namespace {

struct Pitch {
  int32_t scaleX;       // characters per 10 inches
  const char* command;  // ESC/P bytes selecting the pitch
};

Pitch PitchFor(uint8_t textPitch) {
  switch (textPitch) {
    case 1:
      return {100, "\x1b\x50\x12"};
    case 2:
      return {120, "\x1b\x4d\x12"};
    case 3:
      return {170, "\x1b\x50\x0f"};
    case 4:
      return {200, "\x1b\x4d\x0f"};
    default:
      return {100, ""};
  }
}

// Line pitch in 1/216 inch for a spacing factor. It travels to the printer as one byte, so it is
// held at 255 for the command and the geometry alike. A factor that gives less than one unit
// (negative, NaN, below 1/36) or that no 32-bit truncation can hold gives 0, which the caller
// refuses.
int32_t LineSpacingFor(double interval) {
  const double units = interval * 36.0;
  if (!(units >= 1.0) || units >= 2147483648.0) return 0;
  return units >= 255.0 ? 255 : static_cast<int32_t>(units);
}

}  // namespace

void TQorPrinter::ComputeGeometry() {
  TPrinter& device = ::Printer();
  int32_t scaleX = 100, scaleY = 36, divX = 254, divY = 254, offX = 0, offY = 0;

  // Step 1: scales and the printer's unprintable edges, read before the printer is changed.
  switch (Mode()) {
    case 0: {
      const Pitch pitch = PitchFor(Settings ? Settings->TextPitch : 1);
      scaleX = pitch.scaleX;
      LineSpacing = Settings ? LineSpacingFor(Settings->Interval) : 36;
      SetupString = pitch.command;
      SetupString += "\x1b\x33";
      SetupString += static_cast<char>(LineSpacing & 0xFF);
      offX = Div32(Div32(Mul32(device.GetDeviceCaps(PHYSICALOFFSETX), scaleX),
                         device.GetDeviceCaps(LOGPIXELSX)),
                   10);
      offY = Div32(Div32(Mul32(device.GetDeviceCaps(PHYSICALOFFSETY), 216),
                         device.GetDeviceCaps(LOGPIXELSY)),
                   LineSpacing);
      scaleY = 2160;
      divY = Mul32(LineSpacing, 254);
      break;
    }
    case 1:
      scaleX = Mul32(device.GetDeviceCaps(LOGPIXELSX), 10);
      scaleY = Mul32(device.GetDeviceCaps(LOGPIXELSY), 10);
      offX = device.GetDeviceCaps(PHYSICALOFFSETX);
      offY = device.GetDeviceCaps(PHYSICALOFFSETY);
      break;
    default:  // file mode: 10 characters per inch, 36 lines per 254 mm
      break;
  }

  auto columns = [&](int32_t millimetres) { return Div32(Mul32(millimetres, scaleX), divX); };
  auto lines = [&](int32_t millimetres) { return Div32(Mul32(millimetres, scaleY), divY); };

  // Step 2: margins and page end.
  if (Settings) {
    const TQorPrintSet& s = *Settings;
    device.SetOrientation(s.Portrait ? TPrinterOrientation::poPortrait
                                     : TPrinterOrientation::poLandscape);
    device.SetCopies(s.Copies);
    LeftX = Sub32(columns(s.MarginLeft), offX);
    TopY = Sub32(lines(s.MarginTop), offY);
    RightX = Sub32(columns(s.PageWidth - s.MarginRight), offX);
    BottomY = Sub32(lines(s.PageHeight - s.MarginBottom), offY);
    PageEndY = Sub32(lines(s.PageHeight), offY);
    PageNo = s.FirstPageNumber;
  } else {
    device.SetCopies(1);
    if (Mode() == 1) device.SetOrientation(TPrinterOrientation::poPortrait);
    LeftX = Sub32(columns(10), offX);
    TopY = Sub32(lines(10), offY);
    if (Mode() == 1) {
      RightX = Sub32(Sub32(device.PageWidth(), columns(10)), offX);
      BottomY = Sub32(Sub32(device.PageHeight(), lines(10)), offY);
      PageEndY = Sub32(device.PageHeight(), offY);
    } else {
      RightX = Sub32(columns(Sub32(device.GetDeviceCaps(HORZSIZE), 10)), offX);
      PageEndY = Sub32(lines(device.GetDeviceCaps(VERTSIZE)), offY);
      BottomY = Sub32(PageEndY, lines(10));
    }
    PageNo = 1;
  }

  // Step 3: the first page.
  TextX = LeftX;
  CurY = TopY;
  ParsePages();
  SelectPage();
  PageStarted = PageSelected;
}
