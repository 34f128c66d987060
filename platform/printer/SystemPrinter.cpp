#include "platform/printer/SystemPrinter.h"

#include <utility>

#include "platform/system/EInOutError.h"

namespace {

// Device metrics of "Print to PDF": A4 at 600 dpi with no unprintable edge.
constexpr int kPdfWidthMm = 210;
constexpr int kPdfHeightMm = 297;
constexpr int kPdfDpi = 600;

}  // namespace

TSystemPrinter::TSystemPrinter() = default;
TSystemPrinter::~TSystemPrinter() = default;

std::vector<std::string> TSystemPrinter::Printers() {
  return {kPrintToPdf};
}

std::string TSystemPrinter::CurrentName() {
  const std::vector<std::string> printers = Printers();
  for (const std::string& name : printers)
    if (name == chosen_) return name;
  return printers.back();
}

int TSystemPrinter::PrinterIndex() {
  const std::vector<std::string> printers = Printers();
  const std::string current = CurrentName();
  for (std::size_t i = 0; i < printers.size(); ++i)
    if (printers[i] == current) return static_cast<int>(i);
  return static_cast<int>(printers.size()) - 1;
}

void TSystemPrinter::SetPrinterIndex(int index) {
  const std::vector<std::string> printers = Printers();
  if (index < 0 || index >= static_cast<int>(printers.size()))
    throw EInOutError("Printer index out of range");
  chosen_ = printers[index];
}

void TSystemPrinter::GetPrinter(std::string& device, std::string& driver, std::string& port,
                                THandle& deviceMode) {
  device = CurrentName();
  driver.clear();
  port.clear();
  deviceMode = 0;
}

int TSystemPrinter::GetDeviceCaps(int index) {
  const bool portrait = orientation_ == TPrinterOrientation::poPortrait;
  switch (index) {
    case HORZSIZE:
      return portrait ? kPdfWidthMm : kPdfHeightMm;
    case VERTSIZE:
      return portrait ? kPdfHeightMm : kPdfWidthMm;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return kPdfDpi;
    default:
      return 0;
  }
}

void TSystemPrinter::SetOrientation(TPrinterOrientation orientation) {
  orientation_ = orientation;
}

int TSystemPrinter::PageWidth() {
  return GetDeviceCaps(HORZSIZE) * kPdfDpi * 10 / 254;
}
int TSystemPrinter::PageHeight() {
  return GetDeviceCaps(VERTSIZE) * kPdfDpi * 10 / 254;
}

void TSystemPrinter::BeginDoc() {
  throw EInOutError("Graphics printing is not available on \"" + CurrentName() + "\"");
}
void TSystemPrinter::NewPage() {
  throw EInOutError("Printer is not printing");
}
void TSystemPrinter::EndDoc() {
  throw EInOutError("Printer is not printing");
}
void TSystemPrinter::Abort() {}
TCanvas& TSystemPrinter::Canvas() {
  throw EInOutError("Printer is not printing");
}
