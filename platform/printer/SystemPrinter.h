#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/printer/Cups.h"
#include "platform/printer/Printer.h"
#include "platform/printer/QtCanvas.h"

// The printer object of this machine: the spooler's destinations followed by the built-in
// "Print to PDF". The current printer is the one chosen by index, else the spooler's default
// destination, else "Print to PDF", so there is always one.
// A job is drawn into a PDF: "Print to PDF" keeps it as <Title>.pdf ("QorPrint.pdf" without a
// title) in the current directory, replacing an older file; a CUPS destination with a driver
// receives it as one job with its copies when the job ends. A raw queue takes no graphics job.
class TSystemPrinter : public TPrinter {
 public:
  TSystemPrinter();
  ~TSystemPrinter() override;

  std::vector<std::string> Printers() override;
  int PrinterIndex() override;
  void SetPrinterIndex(int index) override;
  void GetPrinter(std::string& device, std::string& driver, std::string& port,
                  THandle& deviceMode) override;
  int GetDeviceCaps(int index) override;

  TPrinterOrientation Orientation() override { return orientation_; }
  void SetOrientation(TPrinterOrientation orientation) override;
  int Copies() override { return copies_; }
  void SetCopies(int copies) override { copies_ = copies; }
  std::string Title() override { return title_; }
  void SetTitle(const std::string& title) override { title_ = title; }

  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  bool Printing() override { return job_ != nullptr; }
  int PageWidth() override;
  int PageHeight() override;
  TCanvas& Canvas() override;

 private:
  std::string CurrentName();
  // Paper and resolution of the current printer; nullopt for "Print to PDF" and raw queues.
  const std::optional<cups::TDeviceData>& DeviceData();
  // Printable size (1/100 mm), resolution and unprintable edges (1/100 mm) in the current
  // orientation.
  struct Measures {
    int width, height, dpiX, dpiY, left, top;
  };
  Measures CurrentMeasures();

  std::string chosen_;  // printer chosen by index; empty: the default
  TPrinterOrientation orientation_ = TPrinterOrientation::poPortrait;
  int copies_ = 1;
  std::string title_;
  std::string deviceDataFor_;  // the printer whose data deviceData_ holds
  std::optional<cups::TDeviceData> deviceData_;

  struct Job;
  std::unique_ptr<Job> job_;
  std::unique_ptr<TQtCanvas> canvas_;
};
