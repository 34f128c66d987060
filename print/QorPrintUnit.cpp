// The unit's program-wide objects: the settings, the engine and the default file name.
#include "platform/system/Finalization.h"
#include "print/QorPrint.h"

std::string DefaultFileName = "Printer.";

namespace {

TQorPrintSet* gPrintSet = nullptr;
TQorPrinter* gQorPrinter = nullptr;

// The engine goes first, ending an open document through its own (possibly overridden) EndDoc,
// which a destructor could not reach; then the settings it may still have read.
void FinalizeQorPrint() {
  if (gQorPrinter) {
    if (gQorPrinter->Printing()) {
      try {
        gQorPrinter->EndDoc();
      } catch (...) {
        // The program is ending: there is nobody left to tell.
      }
    }
    delete gQorPrinter;
    gQorPrinter = nullptr;
  }
  delete gPrintSet;
  gPrintSet = nullptr;
  DefaultFileName.clear();
}

void RegisterOnce() {
  static bool registered = false;
  if (!registered) {
    registered = true;
    AddFinalizer(TFinalizationStage::Print, FinalizeQorPrint);
  }
}

}  // namespace

TQorPrintSet& PrintSet() {
  if (!gPrintSet) {
    CheckNotFinalized("PrintSet");
    RegisterOnce();
    gPrintSet = new TQorPrintSet;
  }
  return *gPrintSet;
}

TQorPrinter& QorPrinter() {
  if (!gQorPrinter) {
    CheckNotFinalized("QorPrinter");
    RegisterOnce();
    gQorPrinter = new TQorPrinter;
  }
  return *gQorPrinter;
}

std::unique_ptr<TQorPrinter> SetQorPrinter(std::unique_ptr<TQorPrinter> printer) {
  CheckNotFinalized("QorPrinter");
  RegisterOnce();
  std::unique_ptr<TQorPrinter> previous(gQorPrinter);
  gQorPrinter = printer.release();
  return previous;
}
