#pragma once

#include <map>
#include <memory>

#include "platform/printer/Spooler.h"

namespace cups {
struct TDest;
}

// The spooler on CUPS: a printer is a CUPS destination, a document a raw job.
class TCupsSpooler : public TSpooler {
 public:
  TCupsSpooler();
  ~TCupsSpooler() override;

  bool OpenPrinter(const std::string& printerName, TPrinterHandle& handle) override;
  bool GetPrinter(TPrinterHandle handle, TPrinterInfo2& info) override;
  uint32_t StartDocPrinter(TPrinterHandle handle, const TDocInfo1& docInfo) override;
  bool WritePrinter(TPrinterHandle handle, const void* data, uint32_t count,
                    uint32_t& written) override;
  bool EndDocPrinter(TPrinterHandle handle) override;
  bool AbortPrinter(TPrinterHandle handle) override;
  bool ClosePrinter(TPrinterHandle handle) override;

 private:
  struct Printer;
  Printer* Find(TPrinterHandle handle);

  std::map<TPrinterHandle, std::unique_ptr<Printer>> printers_;
  TPrinterHandle next_ = 1;
};
