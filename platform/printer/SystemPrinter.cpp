#include "platform/printer/SystemPrinter.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <cstdint>
#include <utility>

#include "platform/system/CodePage.h"
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

struct TSystemPrinter::Job {
  std::string destination;
  std::string finalPath;  // "Print to PDF": where the finished file goes
  QTemporaryFile file;
  std::unique_ptr<QPdfWriter> writer;
  QPainter painter;
  int copies = 1;
  std::string title;
};

void TSystemPrinter::BeginDoc() {
  if (job_) throw EInOutError("Printing in progress");
  const std::string destination = CurrentName();
  if (destination != kPrintToPdf && !DeviceData())
    throw EInOutError("Printer \"" + destination +
                      "\" takes raw data only and cannot print graphics");
  if (destination != kPrintToPdf && !cups::AcceptingJobs(destination))
    throw EInOutError("Printer \"" + destination + "\" is not accepting jobs");
  auto job = std::make_unique<Job>();
  job->destination = destination;
  job->copies = copies_;
  job->title = title_;
  if (destination == kPrintToPdf) {
    // A title can hold anything: separators and control characters do not go into a file name.
    QString name = title_.empty() ? QStringLiteral("QorPrint") : UnicodeFromAnsi(title_);
    for (QChar& c : name)
      if (c == '/' || c.category() == QChar::Other_Control) c = '_';
    job->finalPath =
        QFile::encodeName(QDir::current().absoluteFilePath(name + ".pdf")).toStdString();
    job->file.setFileTemplate(QFile::decodeName(job->finalPath.c_str()) + ".XXXXXX");
  }
  if (!job->file.open())
    throw EInOutError("Cannot create the print file: " + job->file.errorString().toStdString());
  job->file.close();

  const Measures m = CurrentMeasures();
  const cups::TMedia media = DeviceData()
                                 ? DeviceData()->media
                                 : cups::TMedia{"", kDefaultWidth, kDefaultLength, 0, 0, 0, 0};
  const bool landscape = orientation_ == TPrinterOrientation::poLandscape;
  job->writer = std::make_unique<QPdfWriter>(job->file.fileName());
  job->writer->setResolution(m.dpiX);
  job->writer->setTitle(QString::fromStdString(title_));
  job->writer->setCreator("QorPrint");
  const QPageLayout layout(
      QPageSize(QSizeF(media.width / 100.0, media.length / 100.0), QPageSize::Millimeter),
      landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
      QMarginsF(media.left / 100.0, media.top / 100.0, media.right / 100.0, media.bottom / 100.0),
      QPageLayout::Millimeter);
  job->writer->setPageLayout(layout);
  if (!job->painter.begin(job->writer.get())) throw EInOutError("Cannot start the print job");
  if (!canvas_) canvas_ = std::make_unique<TQtCanvas>();
  canvas_->Begin(&job->painter, job->writer.get(), m.dpiX);
  job_ = std::move(job);
}

void TSystemPrinter::NewPage() {
  if (!job_) throw EInOutError("Printer is not printing");
  job_->writer->newPage();
}

void TSystemPrinter::EndDoc() {
  if (!job_) throw EInOutError("Printer is not printing");
  std::unique_ptr<Job> job = std::move(job_);
  canvas_->End();
  job->painter.end();
  if (job->destination == kPrintToPdf) {
    QFile::remove(QFile::decodeName(job->finalPath.c_str()));
    if (!job->file.rename(QFile::decodeName(job->finalPath.c_str())))
      throw EInOutError("Cannot write " + job->finalPath + ": " +
                        job->file.errorString().toStdString());
    job->file.setAutoRemove(false);
    return;
  }
  cups::SubmitPdf(job->destination, job->file.fileName().toStdString(),
                  job->title.empty() ? "QorPrint" : job->title, job->copies);
}

// Nothing of an abandoned job reaches a printer or stays on disk.
void TSystemPrinter::Abort() {
  if (!job_) return;
  std::unique_ptr<Job> job = std::move(job_);
  canvas_->End();
  job->painter.end();
}

TCanvas& TSystemPrinter::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TQtCanvas>();
  return *canvas_;
}
