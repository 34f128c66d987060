// Prints three lines into a file through the installed library.
#include <qorprint/print/QorPrint.h>

#include <cstdio>

int main(int argc, char** argv) {
  TQorPrintSet settings;
  settings.Mode = 2;
  settings.FileName = argc > 1 ? argv[1] : "consumer.txt";
  settings.WithoutPages = true;
  TQorPrinter printer;
  if (!printer.BeginDoc(&settings)) {
    std::fprintf(stderr, "%s\n", printer.LastError().c_str());
    return 1;
  }
  printer.Print("one\r\ntwo");
  printer.Print(FitText("three", 7, taRight));
  printer.EndDoc();
  return 0;
}
