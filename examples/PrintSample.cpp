// Prints a short sample document in file mode and tells where it went.
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <string>

#include "platform/system/Finalization.h"
#include "print/QorPrint.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  TQorPrintSet& settings = PrintSet();
  settings.Mode = 2;  // file
  settings.FileName = argc > 1 ? argv[1] : "QorPrintSample.txt";
  settings.Title = "QorPrint sample\r\n";
  settings.NumberAtTop = false;
  settings.NumberOnFirstPage = true;
  settings.NumberFormat = "Page #";

  TQorPrinter& printer = QorPrinter();
  if (!printer.BeginDoc(&settings)) {
    std::fprintf(stderr, "Cannot print: %s\n", printer.LastError().c_str());
    return 1;
  }
  try {
    printer.Print(FitText("No.", 5, taRight) + " | " + FitText("Line", 40, taCenter));
    printer.Print(DashString(48));
    for (int i = 1; i <= 80 && printer.MorePages(); ++i)
      printer.Print(FitText(std::to_string(i), 5, taRight) + " | sample line " + std::to_string(i));
    printer.EndDoc();
  } catch (const std::exception& error) {
    if (printer.Printing()) printer.Abort();
    std::fprintf(stderr, "Error: %s\n", error.what());
    return 1;
  }
  std::printf("Printed a sample document in file mode to %s\n",
              QDir::current()
                  .absoluteFilePath(QString::fromStdString(settings.FileName))
                  .toLocal8Bit()
                  .constData());
  FinalizeUnits();
  return 0;
}
