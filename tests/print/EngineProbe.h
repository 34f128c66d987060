#pragma once

#include "print/QorPrint.h"

// The engine with its geometry and page state readable by tests.
class TEngineProbe : public TQorPrinter {
 public:
  using TQorPrinter::BottomY;
  using TQorPrinter::CurY;
  using TQorPrinter::LastPage;
  using TQorPrinter::LeftX;
  using TQorPrinter::LineSpacing;
  using TQorPrinter::PageEndY;
  using TQorPrinter::PageList;
  using TQorPrinter::PageNo;
  using TQorPrinter::PageSelected;
  using TQorPrinter::RightX;
  using TQorPrinter::SetupString;
  using TQorPrinter::TextX;
  using TQorPrinter::TopY;
};
