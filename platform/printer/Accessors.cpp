// The program-wide printer and spooler objects.
#include "platform/printer/CupsSpooler.h"
#include "platform/printer/Printer.h"
#include "platform/printer/Spooler.h"
#include "platform/printer/SystemPrinter.h"
#include "platform/system/Finalization.h"

namespace {

TProgramObject<TPrinter>& ThePrinter() {
  static auto& printer = *new TProgramObject<TPrinter>(
      "Printer", TFinalizationStage::Platform, [] { return std::make_unique<TSystemPrinter>(); });
  return printer;
}

TProgramObject<TSpooler>& TheSpooler() {
  static auto& spooler = *new TProgramObject<TSpooler>(
      "Spooler", TFinalizationStage::Platform, [] { return std::make_unique<TCupsSpooler>(); });
  return spooler;
}

}  // namespace

TPrinter& Printer() {
  return ThePrinter().Get();
}

std::unique_ptr<TPrinter> SetPrinter(std::unique_ptr<TPrinter> printer) {
  return ThePrinter().Set(std::move(printer));
}

TSpooler& Spooler() {
  return TheSpooler().Get();
}

std::unique_ptr<TSpooler> SetSpooler(std::unique_ptr<TSpooler> spooler) {
  return TheSpooler().Set(std::move(spooler));
}
