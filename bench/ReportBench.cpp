// The grid report in file mode over People.DB, beside the engine printing the same lines
// without a dataset.
//   ReportBench report FOLDER OUT   "Print Grid" on FOLDER/People.DB (the dialog answered)
//   ReportBench lines N OUT         N lines of the report's shape through the engine
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/fPrint.h"
#include "bench/BenchSupport.h"
#include "data/QorDB.h"
#include "dialogs/DiPrint.h"
#include "platform/db/Session.h"
#include "platform/forms/Application.h"
#include "platform/system/Finalization.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  TQtApplication application(argc, argv);
  if (argc != 4) return 2;
  if (!std::strcmp(argv[1], "lines")) {
    const long count = std::atol(argv[2]);
    TQorPrintSet settings;
    settings.Mode = 2;
    settings.FileName = argv[3];
    TQorPrinter printer;
    const auto start = std::chrono::steady_clock::now();
    printer.BeginDoc(&settings);
    char line[160];
    for (long i = 1; i <= count; ++i) {
      std::snprintf(line, sizeof line, "%11ld|Person number %-26ld|%6ld|%6ld|%6ld|AB%-38ld", i, i,
                    i % 90, i % 6, i % 200, 1000000 + i);
      printer.Print(line);
    }
    printer.EndDoc();
    Report("engine, the same lines, no dataset", count, Seconds(start));
    FinalizeUnits();
    return 0;
  }
  Session().ConfigMode = cmSession;
  Session().AddStandardAlias("QorExample", std::string(argv[2]) + "/", "PARADOX");
  Session().ConfigMode = cmAll;
  Application().CreateForm(Form1);
  InitQorApp(true);
  const long rows = static_cast<long>(Form1->Table1->RecordCount());
  const std::string out = argv[3];
  QTimer::singleShot(0, [&out] {
    DialPrint().EditFilename->setText(QString::fromStdString(out));
    DialPrint().OKBtn->click();
  });
  const auto start = std::chrono::steady_clock::now();
  Form1->Button1Click(Form1->Button1);
  Report("grid report, file mode", rows, Seconds(start));
  FinalizeUnits();
  return 0;
}
