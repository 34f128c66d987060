#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/printer/Font.h"

// Indices of GetDeviceCaps.
constexpr int HORZSIZE = 4;           // printable width in millimetres
constexpr int VERTSIZE = 6;           // printable height in millimetres
constexpr int LOGPIXELSX = 88;        // pixels per inch across
constexpr int LOGPIXELSY = 90;        // pixels per inch down
constexpr int PHYSICALOFFSETX = 112;  // unprintable left edge in pixels
constexpr int PHYSICALOFFSETY = 113;  // unprintable top edge in pixels

// The built-in printer, always present and always last in the printer list.
inline constexpr const char* kPrintToPdf = "Print to PDF";

enum class TPrinterOrientation { poPortrait, poLandscape };

using THandle = std::intptr_t;

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TTextMetric {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
};

// The drawing surface of the printer. Texts are ANSI byte strings.
class TCanvas {
 public:
  virtual ~TCanvas() = default;
  virtual TFont& Font() = 0;
  virtual int TextWidth(const std::string& text) = 0;
  // Draws text with its top left corner at (x, y), clipped to the rectangle.
  virtual void TextRect(const TRect& rect, int x, int y, const std::string& text) = 0;
  virtual TTextMetric GetTextMetrics() = 0;
};

// The platform printer object: the printer list with its current printer, the device metrics of
// the current printer, the job settings and, in a job, the canvas. Failures raise EInOutError.
class TPrinter {
 public:
  virtual ~TPrinter() = default;

  virtual std::vector<std::string> Printers() = 0;
  virtual int PrinterIndex() = 0;
  virtual void SetPrinterIndex(int index) = 0;
  // Device, driver and port names of the current printer, and its device-mode handle.
  virtual void GetPrinter(std::string& device, std::string& driver, std::string& port,
                          THandle& deviceMode) = 0;
  virtual int GetDeviceCaps(int index) = 0;

  virtual TPrinterOrientation Orientation() = 0;
  virtual void SetOrientation(TPrinterOrientation orientation) = 0;
  virtual int Copies() = 0;
  virtual void SetCopies(int copies) = 0;
  virtual std::string Title() = 0;
  virtual void SetTitle(const std::string& title) = 0;

  virtual void BeginDoc() = 0;
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;
  virtual void Abort() = 0;
  virtual bool Printing() = 0;
  virtual int PageWidth() = 0;   // printable area in device pixels
  virtual int PageHeight() = 0;  // printable area in device pixels
  virtual TCanvas& Canvas() = 0;
};

// The program's printer object, made on first use.
TPrinter& Printer();
// Installs another printer object (a test double, say); answers the previous one.
std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> printer);
