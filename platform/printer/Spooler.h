#pragma once

#include <cstdint>
#include <memory>
#include <string>

using TPrinterHandle = std::intptr_t;  // 0: none

// What the spooler tells of an opened printer.
struct TPrinterInfo2 {
  std::string PrinterName;
  std::string PortName;
  std::string DriverName;
  std::string Comment;
  std::string Location;
  uint32_t Status = 0;
};

// A document to start: its name, an output file (none: the printer) and a data type (none: the
// printer's default, raw bytes).
struct TDocInfo1 {
  const char* pDocName = nullptr;
  const char* pOutputFile = nullptr;
  const char* pDatatype = nullptr;
};

// The printer spooler that text mode writes raw bytes into. Every operation answers its success
// and raises nothing; a failing one leaves the handle as it was.
class TSpooler {
 public:
  virtual ~TSpooler() = default;
  virtual bool OpenPrinter(const std::string& printerName, TPrinterHandle& handle) = 0;
  virtual bool GetPrinter(TPrinterHandle handle, TPrinterInfo2& info) = 0;
  // Answers the job number, 0 when the spooler refuses the document.
  virtual uint32_t StartDocPrinter(TPrinterHandle handle, const TDocInfo1& docInfo) = 0;
  virtual bool WritePrinter(TPrinterHandle handle, const void* data, uint32_t count,
                            uint32_t& written) = 0;
  virtual bool EndDocPrinter(TPrinterHandle handle) = 0;
  // Cancels the started document: nothing of it is printed.
  virtual bool AbortPrinter(TPrinterHandle handle) = 0;
  virtual bool ClosePrinter(TPrinterHandle handle) = 0;
};

// The program's spooler, made on first use.
TSpooler& Spooler();
// Installs another spooler (a test double, say); answers the previous one.
std::unique_ptr<TSpooler> SetSpooler(std::unique_ptr<TSpooler> spooler);
