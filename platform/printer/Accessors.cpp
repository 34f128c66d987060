// The program-wide printer and spooler objects.
#include <utility>

#include "platform/printer/CupsSpooler.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Spooler.h"
#include "platform/printer/SystemPrinter.h"
#include "platform/system/Finalization.h"

namespace {

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
    gSpooler = new TCupsSpooler;
  }
  return *gSpooler;
}

std::unique_ptr<TSpooler> SetSpooler(std::unique_ptr<TSpooler> spooler) {
  RegisterOnce();
  std::unique_ptr<TSpooler> previous(gSpooler);
  gSpooler = spooler.release();
  return previous;
}
