// Prints N lines of 128 characters through the engine in text mode.
//   TextModeBench discard N    into a spooler that drops the bytes
//   TextModeBench cups N       into the current printer's CUPS queue (CUPS_SERVER)
//   TextModeBench file N OUT   file mode, for comparison
//   TextModeBench convert N    the ANSI to OEM conversion alone, over the same lines
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "platform/system/CodePage.h"
#include "print/QorPrint.h"

namespace {

class DiscardingSpooler : public TSpooler {
 public:
  bool OpenPrinter(const std::string&, TPrinterHandle& handle) override {
    handle = 1;
    return true;
  }
  bool GetPrinter(TPrinterHandle, TPrinterInfo2&) override { return true; }
  uint32_t StartDocPrinter(TPrinterHandle, const TDocInfo1&) override { return 1; }
  bool WritePrinter(TPrinterHandle, const void*, uint32_t count, uint32_t& written) override {
    written = count;
    return true;
  }
  bool EndDocPrinter(TPrinterHandle) override { return true; }
  bool AbortPrinter(TPrinterHandle) override { return true; }
  bool ClosePrinter(TPrinterHandle) override { return true; }
};

int Print(const char* job, uint8_t mode, long count, const char* out) {
  TQorPrintSet settings;
  settings.Mode = mode;
  settings.FileName = out ? out : "";
  settings.PageWidth = 400;  // room for the whole line at pitch 1
  TQorPrinter printer;
  const auto start = std::chrono::steady_clock::now();
  if (!printer.BeginDoc(&settings)) {
    std::fprintf(stderr, "%s\n", printer.LastError().c_str());
    return 1;
  }
  std::string line = BenchLine(0);
  for (long i = 0; i < count; ++i) {
    NumberBenchLine(line, i);
    line[7] = '\xe9';  // one accented letter a line
    printer.Print(line);
  }
  printer.EndDoc();
  Report(job, count, Seconds(start));
  return 0;
}

int Convert(long count) {
  std::string line = BenchLine(0) + "\r\n";
  line[7] = '\xe9';
  std::vector<char> out(line.size());
  unsigned long checksum = 0;
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < count; ++i) {
    line[0] = static_cast<char>('0' + i % 10);
    CharToOemBuffA(line.data(), out.data(), static_cast<uint32_t>(line.size()));
    checksum += static_cast<unsigned char>(out[7]);
  }
  Report("ANSI to OEM table", count, Seconds(start));
  return checksum == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s discard|cups|file|convert LINES [OUT]\n", argv[0]);
    return 2;
  }
  SetSystemCodePages({1252, 850});
  const long count = std::atol(argv[2]);
  if (!std::strcmp(argv[1], "convert")) return Convert(count);
  if (!std::strcmp(argv[1], "file")) return Print("engine, file mode", 2, count, argv[3]);
  if (!std::strcmp(argv[1], "discard")) {
    SetSpooler(std::make_unique<DiscardingSpooler>());
    return Print("engine, text mode, discarding spooler", 0, count, nullptr);
  }
  return Print("engine, text mode, CUPS raw queue", 0, count, nullptr);
}
