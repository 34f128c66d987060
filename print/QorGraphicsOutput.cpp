// Graphics mode: lines drawn on the platform printer's canvas in the fonts of the settings.
#include "platform/printer/Printer.h"
#include "print/Int32.h"
#include "print/QorPrint.h"

void TQorPrinter::BeginGraphics() {
  TPrinter& device = ::Printer();
  if (Settings) {
    device.BeginDoc();
    BeginPage();
    device.Canvas().Font().Assign(Settings->TitleFont);
    Print(Settings->Title);
    device.Canvas().Font().Assign(Settings->TextFont);
  } else {
    device.SetTitle("QorPrint");
    device.BeginDoc();
    BeginPage();
    TFont& font = device.Canvas().Font();
    font.Name = "Courier New";
    font.SetSize(12);
  }
}

void TQorPrinter::NewPageGraphics() {
  CurY = TopY;
  PageNo = Add32(PageNo, 1);
  SelectPage();
  if (PageSelected) {
    // The job's first sheet takes the first selected page: unselected pages use no paper.
    if (PageStarted) ::Printer().NewPage();
    PageStarted = true;
    BeginPage();
  }
}

void TQorPrinter::PrintLineGraphics(std::string_view line) {
  TCanvas* canvas = &::Printer().Canvas();
  if (Add32(CurY, Abs32(canvas->Font().Height())) > BottomY) {
    NewPage();
    canvas = &::Printer().Canvas();
  }
  if (PageSelected)
    canvas->TextRect({TextX, CurY, RightX, BottomY}, TextX, CurY, std::string(line));
  // The advance runs on unselected pages too, so they break at the same lines.
  const TTextMetric metric = canvas->GetTextMetrics();
  int32_t height = Add32(metric.tmHeight, metric.tmExternalLeading);
  if (Settings) height = TruncToInt32(Settings->Interval * height);
  CurY = Add32(CurY, height);
}

void TQorPrinter::BeginPageGraphics() {
  if (!PageSelected || !PageStarted) return;
  if (!BuildNumberText()) return;
  TCanvas& canvas = ::Printer().Canvas();
  canvas.Font().Assign(Settings->NumberFont);
  const int32_t x = NumberPlace(canvas.TextWidth(NumberText));
  const int32_t doubled = Mul32(Abs32(canvas.Font().Height()), 2);
  int32_t y;
  if (Settings->NumberAtTop) {
    y = Sub32(TopY, doubled);
    if (y < 0) y = 0;
  } else {
    y = Sub32(PageEndY, doubled);
    if (y < BottomY) y = BottomY;
  }
  canvas.TextRect({x, y, RightX, PageEndY}, x, y, NumberText);
  canvas.Font().Assign(Settings->TextFont);
}
