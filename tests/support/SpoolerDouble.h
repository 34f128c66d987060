#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/printer/Spooler.h"

// A spooler that records every call and the bytes written, and refuses the calls named in
// `fail` ("OpenPrinter", "GetPrinter", "StartDocPrinter", "WritePrinter", "EndDocPrinter").
// `failWriteAt` refuses only the n-th write (counting from 1).
class TSpoolerDouble : public TSpooler {
 public:
  std::vector<std::string> calls;
  std::string bytes;
  std::set<std::string> fail;
  int failWriteAt = 0;
  int writes = 0;
  std::string openedName;
  std::string docName;
  int openHandles = 0;

  bool OpenPrinter(const std::string& name, TPrinterHandle& handle) override {
    calls.push_back("OpenPrinter");
    openedName = name;
    if (fail.count("OpenPrinter")) return false;
    handle = 42;
    ++openHandles;
    return true;
  }
  bool GetPrinter(TPrinterHandle, TPrinterInfo2& info) override {
    calls.push_back("GetPrinter");
    info.PrinterName = openedName;
    return !fail.count("GetPrinter");
  }
  uint32_t StartDocPrinter(TPrinterHandle, const TDocInfo1& doc) override {
    calls.push_back("StartDocPrinter");
    docName = doc.pDocName ? doc.pDocName : "";
    return fail.count("StartDocPrinter") ? 0 : 7;
  }
  bool WritePrinter(TPrinterHandle, const void* data, uint32_t count, uint32_t& written) override {
    calls.push_back("WritePrinter");
    ++writes;
    if (fail.count("WritePrinter") || writes == failWriteAt) return false;
    bytes.append(static_cast<const char*>(data), count);
    written = count;
    return true;
  }
  bool EndDocPrinter(TPrinterHandle) override {
    calls.push_back("EndDocPrinter");
    return !fail.count("EndDocPrinter");
  }
  bool AbortPrinter(TPrinterHandle) override {
    calls.push_back("AbortPrinter");
    return true;
  }
  bool ClosePrinter(TPrinterHandle) override {
    calls.push_back("ClosePrinter");
    --openHandles;
    return true;
  }
};

class ScopedSpoolerDouble {
 public:
  ScopedSpoolerDouble()
      : double_(new TSpoolerDouble), previous_(SetSpooler(std::unique_ptr<TSpooler>(double_))) {}
  ~ScopedSpoolerDouble() { SetSpooler(std::move(previous_)); }
  TSpoolerDouble* operator->() { return double_; }
  TSpoolerDouble& operator*() { return *double_; }

 private:
  TSpoolerDouble* double_;
  std::unique_ptr<TSpooler> previous_;
};
