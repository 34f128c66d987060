#include "platform/printer/SystemPrinter.h"

#include <cstdint>
#include <utility>

#include "platform/system/EInOutError.h"

namespace {

// A printer without paper data of its own ("Print to PDF", a raw queue): A4 at 600 dpi with no
// unprintable edge.
constexpr int kDefaultWidth = 21000;  // 1/100 mm
constexpr int kDefaultLength = 29700;
constexpr int kDefaultDpi = 600;

}  // namespace

TSystemPrinter::TSystemPrinter() = default;
TSystemPrinter::~TSystemPrinter() = default;

std::vector<std::string> TSystemPrinter::Printers() {
  std::vector<std::string> printers = cups::DestinationNames();
  printers.push_back(kPrintToPdf);
  return printers;
}

std::string TSystemPrinter::CurrentName() {
  const std::vector<std::string> printers = Printers();
  auto listed = [&](const std::string& name) {
    for (const std::string& printer : printers)
      if (printer == name) return true;
    return false;
  };
  if (!chosen_.empty() && listed(chosen_)) return chosen_;
  if (printers.size() > 1) {
    const std::string fallback = cups::DefaultDestination();
    if (!fallback.empty() && listed(fallback)) return fallback;
  }
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
    throw EInOutError("Printer selected is not valid");
  chosen_ = printers[index];
}

void TSystemPrinter::GetPrinter(std::string& device, std::string& driver, std::string& port,
                                THandle& deviceMode) {
  device = CurrentName();
  driver.clear();
  port.clear();
  deviceMode = 0;
}

const std::optional<cups::TDeviceData>& TSystemPrinter::DeviceData() {
  const std::string name = CurrentName();
  if (name != deviceDataFor_) {
    deviceData_ = name == kPrintToPdf ? std::nullopt : cups::DeviceData(name);
    deviceDataFor_ = name;
  }
  return deviceData_;
}

TSystemPrinter::Measures TSystemPrinter::CurrentMeasures() {
  cups::TDeviceData data;
  if (const auto& known = DeviceData())
    data = *known;
  else
    data = {{"", kDefaultWidth, kDefaultLength, 0, 0, 0, 0}, kDefaultDpi, kDefaultDpi};
  const cups::TMedia& m = data.media;
  Measures result{
      m.width - m.left - m.right, m.length - m.top - m.bottom, data.dpiX, data.dpiY, m.left, m.top};
  // Landscape turns the sheet a quarter: the axes swap.
  if (orientation_ == TPrinterOrientation::poLandscape) {
    std::swap(result.width, result.height);
    std::swap(result.dpiX, result.dpiY);
    std::swap(result.left, result.top);
  }
  return result;
}

int TSystemPrinter::GetDeviceCaps(int index) {
  const Measures m = CurrentMeasures();
  switch (index) {
    case HORZSIZE:
      return m.width / 100;
    case VERTSIZE:
      return m.height / 100;
    case LOGPIXELSX:
      return m.dpiX;
    case LOGPIXELSY:
      return m.dpiY;
    case PHYSICALOFFSETX:
      return static_cast<int>(int64_t{m.left} * m.dpiX / 2540);
    case PHYSICALOFFSETY:
      return static_cast<int>(int64_t{m.top} * m.dpiY / 2540);
    default:
      return 0;
  }
}

void TSystemPrinter::SetOrientation(TPrinterOrientation orientation) {
  orientation_ = orientation;
}

int TSystemPrinter::PageWidth() {
  const Measures m = CurrentMeasures();
  return static_cast<int>(int64_t{m.width} * m.dpiX / 2540);
}

int TSystemPrinter::PageHeight() {
  const Measures m = CurrentMeasures();
  return static_cast<int>(int64_t{m.height} * m.dpiY / 2540);
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
