// Text mode (ESC/P bytes into the printer's spooler, OEM code page) and file mode (the same page
// layout as plain text in a file): every byte the two modes produce.
#include <algorithm>

#include "platform/printer/Printer.h"
#include "platform/system/CodePage.h"
#include "print/Int32.h"
#include "print/Messages.h"
#include "print/QorPrint.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kFormFeed[] = "\f";
constexpr char kReset[] = "\x1b@";

std::string LineEnds(int64_t count) {
  std::string result;
  if (count > 0) result.reserve(static_cast<std::size_t>(count) * 2);
  for (int64_t i = 0; i < count; ++i) result += kLineEnd;
  return result;
}

}  // namespace

void TQorPrinter::OpenSpoolerDocument() {
  std::string driver, port;
  THandle deviceMode = 0;
  ::Printer().GetPrinter(DeviceName, driver, port, deviceMode);
  DeviceMode = deviceMode;
  TSpooler& spooler = Spooler();
  TPrinterHandle handle = 0;
  if (!spooler.OpenPrinter(DeviceName, handle))
    throw LibraryError(TQorText::ErrorConnectingToPrinter);
  PrinterHandle = handle;
  PrinterInfo = std::make_unique<TPrinterInfo2>();
  if (!spooler.GetPrinter(PrinterHandle, *PrinterInfo)) {
    ReleaseSpooler();
    throw LibraryError(TQorText::ErrorConnectingToPrinter);
  }
  DocInfo = std::make_unique<TDocInfo1>();
  DocInfo->pDocName = "QorPrint";
  if (spooler.StartDocPrinter(PrinterHandle, *DocInfo) == 0) {
    ReleaseSpooler();
    throw LibraryError(TQorText::ErrorOpeningDocumentPrint);
  }
  FDocStarted = true;
}

void TQorPrinter::SendToSpooler(const char* data, std::size_t length) {
  uint32_t written = 0;  // not compared: the spooler takes what it takes
  if (!Spooler().WritePrinter(PrinterHandle, data, static_cast<uint32_t>(length), written))
    throw LibraryError(TQorText::ErrorPrintingDocument);
}

// A started document that was never ended normally is cancelled, so no half job stays queued.
void TQorPrinter::ReleaseSpooler() {
  if (Mode() != 0) return;
  TSpooler& spooler = Spooler();
  if (FDocStarted) {
    spooler.AbortPrinter(PrinterHandle);
    FDocStarted = false;
  }
  if (PrinterHandle != 0) spooler.ClosePrinter(PrinterHandle);
  PrinterHandle = 0;
  PrinterInfo.reset();
  DocInfo.reset();
}

void TQorPrinter::OpenFile() {
  OutFile.Assign(Settings && !Settings->FileName.empty() ? Settings->FileName : DefaultFileName);
  if (OutFile.Rewrite() != 0) throw LibraryError(TQorText::ErrorOpeningDocumentFile);
}

// Every byte of the text reaches the output, zero bytes included; text mode converts it to the
// OEM code page piece by piece through OemBuffer.
void TQorPrinter::WriteRaw(const std::string& text) {
  switch (Mode()) {
    case 0: {
      const std::size_t piece = static_cast<std::size_t>(OemBufferSize);
      for (std::size_t done = 0; done < text.size(); done += piece) {
        const std::size_t length = std::min(piece, text.size() - done);
        CharToOemBuffA(text.data() + done, OemBuffer.get(), static_cast<uint32_t>(length));
        SendToSpooler(OemBuffer.get(), length);
      }
      break;
    }
    case 2: {
      int result = OutFile.Write(text);
      if (result == 0) result = OutFile.Flush();
      if (result != 0) throw LibraryError(TQorText::ErrorSavingDocument);
      break;
    }
    default:
      break;
  }
}

void TQorPrinter::PrintLineText(std::string_view line) {
  if (CurY >= BottomY) NewPage();
  if (PageSelected) {
    FLine.assign(LeftX > 1 ? static_cast<std::size_t>(LeftX) - 1 : 0, ' ');
    FLine.append(line);
    FLine.resize(RightX <= 0 ? 0 : std::min(FLine.size(), static_cast<std::size_t>(RightX)));
    FLine += kLineEnd;
    WriteRaw(FLine);
  }
  CurY = Add32(CurY, 1);
}

void TQorPrinter::PrintLineFile(std::string_view line) {
  if (CurY >= BottomY) NewPage();
  if (PageSelected) {
    FLine.assign(line);
    FLine += kLineEnd;
    WriteRaw(FLine);
  }
  CurY = Add32(CurY, 1);
}

void TQorPrinter::BeginPageText() {
  if (!PageSelected || !PageStarted) return;
  if (BuildNumberText())
    NumberText =
        FitText(" ", NumberPlace(static_cast<int32_t>(NumberText.size())), taCenter) + NumberText;
  if (Settings && Settings->WithoutPages) return;
  // The top margin: TopY - 1 line ends, the number on the second line (the first when TopY is 2).
  std::string margin;
  for (int64_t i = 0; i <= int64_t{TopY} - 2; ++i) {
    if (Settings && Settings->NumberAtTop && (i == 1 || TopY == 2)) margin += NumberText;
    margin += kLineEnd;
  }
  if (!margin.empty()) WriteRaw(margin);
}

void TQorPrinter::FinishPage() {
  if (Settings && Settings->WithoutPages) return;
  std::string end;
  if (Settings && !Settings->NumberAtTop && !NumberText.empty()) {
    end = LineEnds(int64_t{PageEndY} - 3 - CurY);
    end += NumberText;
  }
  end += kFormFeed;
  WriteRaw(end);
}

// Ends a text-mode document: the last page (unless abandoning), the reset line, and the end of
// the spooler document. The spooler is released on every path.
void TQorPrinter::EndText(bool finishPage) {
  try {
    if (finishPage && PageSelected) FinishPage();
    Print(kReset);
    if (!Spooler().EndDocPrinter(PrinterHandle)) throw LibraryError(TQorText::ErrorClosingDocument);
    FDocStarted = false;
  } catch (...) {
    ReleaseSpooler();
    throw;
  }
  ReleaseSpooler();
}

void TQorPrinter::EndFile(bool finishPage) {
  try {
    if (finishPage && PageSelected) FinishPage();
  } catch (...) {
    OutFile.Close();
    throw;
  }
  if (const int result = OutFile.Close(); result != 0)
    throw EInOutError(SysErrorMessage(result), result);
}
