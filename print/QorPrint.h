#pragma once

// The print engine: settings, the engine object, and the string helpers it shares with callers.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/printer/Font.h"
#include "platform/printer/Spooler.h"
#include "platform/system/EInOutError.h"
#include "platform/system/TextFile.h"
#include "print/QorStrings.h"

class TDataSet;

// The engine's error: a message only (ANSI bytes), error code 0.
class EPrinterError : public EInOutError {
 public:
  explicit EPrinterError(const std::string& message) : EInOutError(message) {}
};

// Every choice that governs a print job. One object lives for the whole run (PrintSet()).
class TQorPrintSet {
 public:
  TQorPrintSet();
  virtual ~TQorPrintSet();

  // Proposes ATitle for a report on ADataSet: a title the user edited survives further reports
  // on the same dataset; a call without a dataset always sets it.
  void SetTitleFor(const std::string& ATitle, TDataSet* ADataSet);

  TDataSet* DataSet = nullptr;  // compared by identity only
  uint8_t Mode = 1;             // 0 text, 1 graphics, 2 file
  uint16_t Copies = 1;
  int16_t PrintRange = 0;  // 1: only the pages listed in Pages
  std::string Pages;
  std::string Title;
  std::string FileName;
  int16_t PageHeight = 297;  // millimetres
  int16_t PageWidth = 210;
  bool Portrait = true;
  int16_t MarginTop = 20;
  int16_t MarginLeft = 20;
  int16_t MarginRight = 15;
  int16_t MarginBottom = 20;
  bool WithoutPages = false;
  bool Numbering = true;
  bool NumberOnFirstPage = false;
  bool NumberAtTop = true;
  uint8_t NumberAlignment = 2;  // 0 left, 1 right, 2 centre
  int32_t FirstPageNumber = 1;
  std::string NumberFormat = "- # -";
  TFont NumberFont;
  uint8_t TextPitch = 1;  // 0 default, 1 normal, 2 elite, 3 condensed, 4 condensed elite
  TFont TitleFont;
  TFont TextFont;
  double Interval = 1.0;
};

// The one settings object, made on first use.
TQorPrintSet& PrintSet();

// Output file of file mode when the settings name none: "Printer" in the current directory.
extern std::string DefaultFileName;

// The print engine. A caller opens a document with BeginDoc, hands it text with Print, asks
// MorePages, and closes it with EndDoc, or with Abort after a failure.
class TQorPrinter {
 public:
  TQorPrinter();
  virtual ~TQorPrinter();
  TQorPrinter(const TQorPrinter&) = delete;
  TQorPrinter& operator=(const TQorPrinter&) = delete;

  // Opens a document; answers false (raising nothing) when the output cannot be opened. The
  // reason is then kept in LastError.
  virtual bool BeginDoc(TQorPrintSet* settings);
  virtual void EndDoc();
  virtual void Abort();
  virtual void NewPage();

  // Prints text: CR LF or LF CR end lines, a form feed ends the page.
  void Print(const std::string& text);
  bool MorePages() const;

  uint8_t Mode() const { return FMode; }
  void SetMode(uint8_t value);
  bool Printing() const { return FPrinting; }
  // Why the last BeginDoc answered false; empty after a successful one.
  const std::string& LastError() const { return FLastError; }

  static std::string DashString(int16_t count) { return ::DashString(count); }

 protected:
  void ComputeGeometry();
  void ParsePages();
  void SelectPage();
  void WriteRaw(const std::string& text);
  void ReleaseSpooler();
  void PrintLine(std::string_view line);
  void BeginPage();
  void FinishPage();

  std::unique_ptr<TPrinterInfo2> PrinterInfo;
  std::unique_ptr<TDocInfo1> DocInfo;
  TPrinterHandle PrinterHandle = 0;
  std::string DeviceName;
  TTextFile OutFile;
  intptr_t DeviceMode = 0;
  std::unique_ptr<char[]> OemBuffer;
  int16_t OemBufferSize = 255;
  TQorPrintSet* Settings = nullptr;
  int32_t LastPage = 0;
  int32_t PageNo = 0;
  int32_t TextX = 0;
  int32_t CurY = 0;
  int32_t RightX = 0;
  int32_t BottomY = 0;
  int32_t PageEndY = 0;
  int32_t LeftX = 0;
  int32_t TopY = 0;
  bool PageStarted = false;
  bool PageSelected = false;
  std::string NumberText;
  std::vector<std::string> PageList;
  int32_t LineSpacing = 0;  // text mode: line pitch in 1/216 inch
  std::string SetupString;  // text mode: pitch and line-spacing commands

 private:
  void PrintPart(std::string_view text);
  void PrintLfCrLines(std::string_view text);
  bool BuildNumberText();
  int32_t NumberPlace(int32_t width) const;
  void OpenSpoolerDocument();
  void SendToSpooler(const char* data, std::size_t length);
  void OpenFile();
  void ReleaseAfterFailedBegin();
  void EndText(bool finishPage);
  void EndFile(bool finishPage);
  void NewPageText();
  void NewPageGraphics();
  void PrintLineText(std::string_view line);
  void PrintLineFile(std::string_view line);
  void PrintLineGraphics(std::string_view line);
  void BeginPageText();
  void BeginPageGraphics();
  void BeginGraphics();

  uint8_t FMode = 0;
  bool FPrinting = false;
  bool FDocStarted = false;  // text mode: the spooler document was started and not yet ended
  std::string FLastError;
  std::string FLine;  // reused buffer of PrintLine
};

// The one engine, made on first use.
TQorPrinter& QorPrinter();
// Installs another engine (a subclass, say) as the program's; answers the previous one.
std::unique_ptr<TQorPrinter> SetQorPrinter(std::unique_ptr<TQorPrinter> printer);
