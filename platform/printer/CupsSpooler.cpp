#include "platform/printer/CupsSpooler.h"

#include <csignal>

#include "platform/printer/CupsConnection.h"
#include "platform/printer/Printer.h"

struct TCupsSpooler::Printer {
  cups::TDest dest;
  int job = 0;              // the started job, 0 when none
  bool inDocument = false;  // its document is being sent
};

TCupsSpooler::TCupsSpooler() {
  // A server that goes away mid-document must give a write error, not end the program.
  struct sigaction current {};
  if (sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
    std::signal(SIGPIPE, SIG_IGN);
}

TCupsSpooler::~TCupsSpooler() = default;

TCupsSpooler::Printer* TCupsSpooler::Find(TPrinterHandle handle) {
  const auto it = printers_.find(handle);
  return it == printers_.end() ? nullptr : it->second.get();
}

bool TCupsSpooler::OpenPrinter(const std::string& printerName, TPrinterHandle& handle) {
  if (printerName == kPrintToPdf) return false;
  auto printer = std::make_unique<Printer>();
  if (!printer->dest.Open(printerName.c_str())) return false;
  handle = next_++;
  printers_[handle] = std::move(printer);
  return true;
}

bool TCupsSpooler::GetPrinter(TPrinterHandle handle, TPrinterInfo2& info) {
  Printer* printer = Find(handle);
  if (!printer || !printer->dest.FetchInfo()) return false;
  const cups_dest_t* dest = printer->dest.dest;
  auto option = [dest](const char* name) {
    const char* value = cupsGetOption(name, dest->num_options, dest->options);
    return std::string(value ? value : "");
  };
  info.PrinterName = dest->name;
  info.PortName = option("device-uri");
  info.DriverName = option("printer-make-and-model");
  info.Comment = option("printer-info");
  info.Location = option("printer-location");
  info.Status = 0;
  return true;
}

uint32_t TCupsSpooler::StartDocPrinter(TPrinterHandle handle, const TDocInfo1& docInfo) {
  Printer* printer = Find(handle);
  if (!printer || printer->job != 0 || !printer->dest.FetchInfo()) return 0;
  cups::TDest& d = printer->dest;
  const char* title = docInfo.pDocName ? docInfo.pDocName : "";
  int job = 0;
  if (cupsCreateDestJob(d.http, d.dest, d.info, &job, title, 0, nullptr) != IPP_STATUS_OK ||
      job <= 0)
    return 0;
  printer->job = job;
  if (cupsStartDestDocument(d.http, d.dest, d.info, job, title, CUPS_FORMAT_RAW, 0, nullptr, 1) !=
      HTTP_STATUS_CONTINUE) {
    AbortPrinter(handle);
    return 0;
  }
  printer->inDocument = true;
  return static_cast<uint32_t>(job);
}

bool TCupsSpooler::WritePrinter(TPrinterHandle handle, const void* data, uint32_t count,
                                uint32_t& written) {
  written = 0;
  Printer* printer = Find(handle);
  if (!printer || !printer->inDocument) return false;
  if (cupsWriteRequestData(printer->dest.http, static_cast<const char*>(data), count) !=
      HTTP_STATUS_CONTINUE)
    return false;
  written = count;
  return true;
}

bool TCupsSpooler::EndDocPrinter(TPrinterHandle handle) {
  Printer* printer = Find(handle);
  if (!printer || !printer->inDocument) return false;
  cups::TDest& d = printer->dest;
  printer->inDocument = false;
  if (cupsFinishDestDocument(d.http, d.dest, d.info) != IPP_STATUS_OK) return false;
  printer->job = 0;
  return true;
}

// The job is cancelled through a connection of its own, since the document's connection may be
// in the middle of sending it; that one is shut down, so nothing more reaches the job.
bool TCupsSpooler::AbortPrinter(TPrinterHandle handle) {
  Printer* printer = Find(handle);
  if (!printer || printer->job == 0) return false;
  if (printer->inDocument) httpShutdown(printer->dest.http);
  printer->inDocument = false;
  bool cancelled = false;
  if (http_t* http = cups::Connect()) {
    cancelled = cupsCancelDestJob(http, printer->dest.dest, printer->job) == IPP_STATUS_OK;
    httpClose(http);
  }
  printer->job = 0;
  return cancelled;
}

bool TCupsSpooler::ClosePrinter(TPrinterHandle handle) {
  return printers_.erase(handle) == 1;
}
