#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/printer/Printer.h"

// A printer with given device metrics that records what is drawn on it. Character metrics are
// simple: every character is CharWidth pixels wide; a font's text height is |Height| plus
// Leading of external leading.
class TPrinterDouble : public TPrinter, public TCanvas {
 public:
  struct Drawn {
    std::string call;  // "TextRect", "BeginDoc", "NewPage", "EndDoc", "Abort"
    TRect rect;
    int x = 0, y = 0;
    std::string text;
    std::string fontName;
    int fontSize = 0;
  };

  std::map<int, int> caps{{HORZSIZE, 210},   {VERTSIZE, 297},      {LOGPIXELSX, 600},
                          {LOGPIXELSY, 600}, {PHYSICALOFFSETX, 0}, {PHYSICALOFFSETY, 0}};
  std::string deviceName = "Double";
  int pageWidth = 4960, pageHeight = 7015;
  int charWidth = 50;
  int externalLeading = 0;
  std::vector<Drawn> calls;
  TFont font;

  TPrinterOrientation orientation = TPrinterOrientation::poPortrait;
  int copies = 1;
  std::string title;
  bool printing = false;

  TPrinterDouble() { font.PixelsPerInch = 600; }

  std::vector<std::string> Printers() override { return {deviceName}; }
  int PrinterIndex() override { return 0; }
  void SetPrinterIndex(int) override {}
  void GetPrinter(std::string& device, std::string& driver, std::string& port,
                  THandle& mode) override {
    device = deviceName;
    driver = port = "";
    mode = 0;
  }
  int GetDeviceCaps(int index) override { return caps[index]; }
  TPrinterOrientation Orientation() override { return orientation; }
  void SetOrientation(TPrinterOrientation o) override { orientation = o; }
  int Copies() override { return copies; }
  void SetCopies(int c) override { copies = c; }
  std::string Title() override { return title; }
  void SetTitle(const std::string& t) override { title = t; }
  void BeginDoc() override { Record("BeginDoc"), printing = true; }
  void NewPage() override { Record("NewPage"); }
  void EndDoc() override { Record("EndDoc"), printing = false; }
  void Abort() override { Record("Abort"), printing = false; }
  bool Printing() override { return printing; }
  int PageWidth() override { return pageWidth; }
  int PageHeight() override { return pageHeight; }
  TCanvas& Canvas() override { return *this; }

  TFont& Font() override { return font; }
  int TextWidth(const std::string& text) override {
    return static_cast<int>(text.size()) * charWidth;
  }
  void TextRect(const TRect& rect, int x, int y, const std::string& text) override {
    Drawn d{"TextRect", rect, x, y, text, font.Name, font.Size()};
    calls.push_back(d);
  }
  TTextMetric GetTextMetrics() override {
    TTextMetric m;
    m.tmHeight = font.Height() < 0 ? -font.Height() : font.Height();
    m.tmExternalLeading = externalLeading;
    return m;
  }

  std::vector<Drawn> Texts() const {
    std::vector<Drawn> texts;
    for (const Drawn& d : calls)
      if (d.call == "TextRect") texts.push_back(d);
    return texts;
  }

 private:
  void Record(const char* call) { calls.push_back(Drawn{call, {}, 0, 0, "", "", 0}); }
};

// Installs a printer double for the life of a test and puts the previous printer back.
class ScopedPrinterDouble {
 public:
  ScopedPrinterDouble()
      : double_(new TPrinterDouble), previous_(SetPrinter(std::unique_ptr<TPrinter>(double_))) {}
  ~ScopedPrinterDouble() { SetPrinter(std::move(previous_)); }
  TPrinterDouble* operator->() { return double_; }
  TPrinterDouble& operator*() { return *double_; }

 private:
  TPrinterDouble* double_;
  std::unique_ptr<TPrinter> previous_;
};
