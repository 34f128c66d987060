// Lines of 128 characters drawn into a PDF at 600 dpi in Courier New 12.
//   GraphicsBench engine N   graphics mode of the engine on "Print to PDF"
//   GraphicsBench bare N     a bare loop of QPainter::drawText with a clip, the floor
// Both write into the current directory.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/BenchSupport.h"
#include "platform/printer/SystemPrinter.h"
#include "print/QorPrint.h"

namespace {

int Engine(long count) {
  SetPrinter(std::make_unique<TSystemPrinter>());  // Print to PDF when no CUPS server answers
  TQorPrintSet settings;
  settings.Mode = 1;
  settings.PageWidth = 400;  // wide enough for the whole line
  TQorPrinter printer;
  const auto start = std::chrono::steady_clock::now();
  if (!printer.BeginDoc(&settings)) {
    std::fprintf(stderr, "%s\n", printer.LastError().c_str());
    return 1;
  }
  std::string line = BenchLine(0);
  for (long i = 0; i < count; ++i) {
    NumberBenchLine(line, i);
    printer.Print(line);
  }
  printer.EndDoc();
  Report("engine, graphics mode into a PDF", count, Seconds(start));
  return 0;
}

int Bare(long count) {
  const auto start = std::chrono::steady_clock::now();
  QPdfWriter writer("bare.pdf");
  writer.setResolution(600);
  writer.setPageLayout(QPageLayout(QPageSize(QSizeF(400, 297), QPageSize::Millimeter),
                                   QPageLayout::Portrait, QMarginsF()));
  QPainter painter(&writer);
  QFont font("Courier New");
  font.setPixelSize(100);
  painter.setFont(font);
  const QFontMetrics metrics(font, &writer);
  const int left = 472, top = 472, bottom = 6543, right = 9212, step = metrics.height();
  int y = top;
  std::string line = BenchLine(0);
  for (long i = 0; i < count; ++i) {
    if (y + 100 > bottom) {
      writer.newPage();
      y = top;
    }
    NumberBenchLine(line, i);
    painter.setClipRect(QRect(left, y, right - left, bottom - y));
    painter.drawText(QPoint(left, y + metrics.ascent()), QString::fromLatin1(line.data(), 128));
    y += step;
  }
  painter.end();
  Report("bare QPainter loop into a PDF", count, Seconds(start));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 3) return 2;
  const long count = std::atol(argv[2]);
  return !std::strcmp(argv[1], "bare") ? Bare(count) : Engine(count);
}
