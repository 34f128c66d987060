// The demo window on a large People.DB: from process start to the window shown with its first
// rows, and the time to scroll the grid to its last row.
//   StartupBench FOLDER START_NS   (START_NS: the wall clock at process start, in nanoseconds)
#include <QApplication>
#include <QScrollBar>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/fPrint.h"
#include "bench/BenchSupport.h"
#include "data/QorDB.h"
#include "platform/db/Session.h"
#include "platform/forms/Application.h"
#include "platform/system/Finalization.h"

namespace {

double SinceEpoch() {
  return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const double started = std::atof(argv[2]) / 1e9;
  TQtApplication application(argc, argv);
  Session().ConfigMode = cmSession;
  Session().AddStandardAlias("QorExample", std::string(argv[1]) + "/", "PARADOX");
  Session().ConfigMode = cmAll;
  Application().CreateForm(Form1);
  InitQorApp(true);
  Form1->show();
  Form1->DBGrid1->viewport()->repaint();  // the first rows on screen
  QApplication::processEvents();
  std::printf("window shown with %d rows in the grid: %.0f ms after process start\n",
              Form1->DBGrid1->Model()->rowCount(), (SinceEpoch() - started) * 1000);

  const auto start = std::chrono::steady_clock::now();
  Form1->DBGrid1->scrollToBottom();
  Form1->DBGrid1->viewport()->repaint();
  QApplication::processEvents();
  std::printf("scroll to the last row: %.1f ms\n", Seconds(start) * 1000);
  const auto last = std::chrono::steady_clock::now();
  Form1->DBNavigator1->BtnClick(TDBNavigator::nbLast);
  Form1->DBGrid1->viewport()->repaint();
  QApplication::processEvents();
  std::printf("navigator to the last record: %.1f ms (row %d)\n", Seconds(last) * 1000,
              Form1->DBGrid1->currentIndex().row());
  std::printf("peak memory: %.1f MB\n", PeakRssKb() / 1024.0);
  FinalizeUnits();
  return 0;
}
