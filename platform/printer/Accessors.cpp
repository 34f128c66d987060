// The program-wide printer and spooler objects.
#include <utility>

#include "platform/printer/Printer.h"
#include "platform/printer/Spooler.h"
#include "platform/printer/SystemPrinter.h"
#include "platform/system/Finalization.h"

namespace {

// Refuses every printer: the stand-in until a spooler of the machine is installed.
class TNoSpooler : public TSpooler {
 public:
  bool OpenPrinter(const std::string&, TPrinterHandle&) override { return false; }
  bool GetPrinter(TPrinterHandle, TPrinterInfo2&) override { return false; }
  uint32_t StartDocPrinter(TPrinterHandle, const TDocInfo1&) override { return 0; }
  bool WritePrinter(TPrinterHandle, const void*, uint32_t, uint32_t&) override { return false; }
  bool EndDocPrinter(TPrinterHandle) override { return false; }
  bool AbortPrinter(TPrinterHandle) override { return false; }
  bool ClosePrinter(TPrinterHandle) override { return false; }
};

TPrinter* gPrinter = nullptr;
TSpooler* gSpooler = nullptr;

void RegisterOnce() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  AddFinalizer(TFinalizationStage::Platform, [] {
    delete gPrinter;
    gPrinter = nullptr;
    delete gSpooler;
    gSpooler = nullptr;
  });
}

}  // namespace

TPrinter& Printer() {
  if (!gPrinter) {
    CheckNotFinalized("Printer");
    RegisterOnce();
    gPrinter = new TSystemPrinter;
  }
  return *gPrinter;
}

std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> printer) {
  RegisterOnce();
  std::unique_ptr<TPrinter> previous(gPrinter);
  gPrinter = printer.release();
  return previous;
}

TSpooler& Spooler() {
  if (!gSpooler) {
    CheckNotFinalized("Spooler");
    RegisterOnce();
    gSpooler = new TNoSpooler;
  }
  return *gSpooler;
}

std::unique_ptr<TSpooler> SetSpooler(std::unique_ptr<TSpooler> spooler) {
  RegisterOnce();
  std::unique_ptr<TSpooler> previous(gSpooler);
  gSpooler = spooler.release();
  return previous;
}
