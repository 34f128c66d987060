#include "print/QorPrint.h"

TQorPrintSet::TQorPrintSet() {
  NumberFont.Name = "Arial";
  NumberFont.SetSize(10);
  TitleFont.Name = "Arial";
  TitleFont.SetSize(14);
  TitleFont.Style = fsBold | fsItalic;
  TextFont.Name = "Courier New";
  TextFont.SetSize(12);
}

TQorPrintSet::~TQorPrintSet() = default;

void TQorPrintSet::SetTitleFor(const std::string& ATitle, TDataSet* ADataSet) {
  if (ADataSet == nullptr || (ADataSet != DataSet && !ATitle.empty())) Title = ATitle;
  DataSet = ADataSet;
}
