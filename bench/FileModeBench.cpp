// Prints N lines of 128 characters through the engine in file mode.
//   FileModeBench file N OUT        every page
//   FileModeBench lastpages N OUT   a page list that selects only the last 8 pages
//   FileModeBench bare N OUT        the floor: a C loop that writes and flushes each line
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/BenchSupport.h"
#include "print/QorPrint.h"

namespace {

int Engine(long count, const char* out, bool lastPages) {
  TQorPrintSet settings;
  settings.Mode = 2;
  settings.FileName = out;
  if (lastPages) {
    // A4 file mode: the first page holds the title and 36 lines, every page 37 lines.
    const long pages = (count + 1 + 36) / 37;
    settings.PrintRange = 1;
    settings.Pages = std::to_string(pages - 7) + "-" + std::to_string(pages);
  }
  TQorPrinter printer;
  const auto start = std::chrono::steady_clock::now();
  if (!printer.BeginDoc(&settings)) {
    std::fprintf(stderr, "%s\n", printer.LastError().c_str());
    return 1;
  }
  std::string line = BenchLine(0);
  for (long i = 0; i < count && printer.MorePages(); ++i) {
    NumberBenchLine(line, i);
    printer.Print(line);
  }
  printer.EndDoc();
  Report(lastPages ? "engine, file mode, last 8 pages" : "engine, file mode", count,
         Seconds(start));
  return 0;
}

int Bare(long count, const char* out) {
  FILE* f = std::fopen(out, "wb");
  if (!f) return 1;
  std::string line = BenchLine(0) + "\r\n";
  const auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < count; ++i) {
    NumberBenchLine(line, i);
    if (std::fwrite(line.data(), 1, line.size(), f) != line.size() || std::fflush(f) != 0) return 1;
  }
  std::fclose(f);
  Report("bare loop, write + flush per line", count, Seconds(start));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s file|lastpages|bare LINES OUT\n", argv[0]);
    return 2;
  }
  const long count = std::atol(argv[2]);
  if (!std::strcmp(argv[1], "bare")) return Bare(count, argv[3]);
  return Engine(count, argv[3], !std::strcmp(argv[1], "lastpages"));
}
