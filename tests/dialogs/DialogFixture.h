#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <functional>

#include "dialogs/DiPrint.h"
#include "platform/forms/Application.h"
#include "platform/system/CodePage.h"
#include "support/DialogDoubles.h"
#include "support/PrinterDouble.h"

// A dialog of its own for each test, on a printer double whose driver reports A4, Letter and
// (after them) the platform's custom item.
class DialogTest : public ::testing::Test {
 protected:
  DialogTest()
      : papers({{"A4", 2100, 2970}, {"Letter", 2159, 2794}}),
        previousPages(SetSystemCodePages({1252, 850})) {}
  ~DialogTest() override { SetSystemCodePages(previousPages); }

  // Runs Execute; `inside` acts on the shown dialog, then the dialog is closed by `close`
  // (OK by default).
  bool Run(TQorPrintSet& s, const std::function<void()>& inside = {},
           const std::function<void()>& close = {}) {
    QTimer::singleShot(0, [&] {
      if (inside) inside();
      if (close)
        close();
      else
        dialog->OKBtn->click();
    });
    return dialog->Execute(s);
  }
  int Paper() const { return dialog->ComboBoxPapers->currentIndex(); }
  int Last() const { return dialog->ComboBoxPapers->count() - 1; }

  ScopedPrinterDouble printer;
  ScopedPaperDouble papers;
  ScopedCommonDialogs dialogs;
  TCodePages previousPages;
  std::unique_ptr<TDialPrint> dialog = std::make_unique<TDialPrint>();
};
