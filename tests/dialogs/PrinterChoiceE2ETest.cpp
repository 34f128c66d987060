// The dialog on the machine's own printer object and the private CUPS server.
#include <cups/cups.h>

#include "dialogs/DiPrint.h"
#include "gtest/gtest.h"
#include "platform/printer/PaperCapabilities.h"
#include "platform/printer/SystemPrinter.h"
#include "support/ChoosePrinter.h"
#include "support/DialogDoubles.h"

namespace {

class PrinterChoiceE2E : public ::testing::Test {
 protected:
  PrinterChoiceE2E() : previous(SetPrinter(std::make_unique<TSystemPrinter>())) {
    cupsSetServer(nullptr);  // CUPS_SERVER of the test's environment
  }
  ~PrinterChoiceE2E() override { SetPrinter(std::move(previous)); }
  QStringList Papers() const {
    QStringList names;
    for (int i = 0; i < dialog.ComboBoxPapers->count(); ++i)
      names << dialog.ComboBoxPapers->itemText(i);
    return names;
  }
  std::unique_ptr<TPrinter> previous;
  ScopedCommonDialogs dialogs;
  TDialPrint dialog;
};

TEST_F(PrinterChoiceE2E, PapersOfRealQueues) {
  dialog.RadioGroupOrient->SetItemIndex(0);
  dialog.SpinEditPageWidth->SetValue(210);
  dialog.SpinEditPageHeight->SetValue(297);
  ChoosePrinter("qor-ppd");
  dialog.RefreshPrinterPapers();
  EXPECT_EQ(dialog.LabelPrinter->text(), "qor-ppd");
  EXPECT_EQ(Papers().size(), 5);
  EXPECT_TRUE(Papers().contains("A4")) << Papers().join(", ").toStdString();
  EXPECT_EQ(Papers().last(), "Custom size");
  EXPECT_EQ(dialog.ComboBoxPapers->currentText(), "A4");  // 210 x 297 in the edits

  ChoosePrinter("qor-raw");
  dialog.RefreshPrinterPapers();
  EXPECT_EQ(Papers(), QStringList{"Custom size"});

  ChoosePrinter("Print to PDF");
  dialog.RefreshPrinterPapers();
  EXPECT_EQ(Papers().first(), "A4");
  EXPECT_EQ(Papers().size(), 8);
}

TEST_F(PrinterChoiceE2E, PrinterSetupChangesLabelAndListAndKeepsTheSize) {
  ChoosePrinter("qor-raw");
  dialog.SpinEditPageWidth->SetValue(123);
  dialog.RefreshPrinterPapers();
  dialogs->printerSetup = [&] {
    ChoosePrinter("qor-ppd");
    return true;
  };
  dialog.BitBtnPrinter->click();
  EXPECT_EQ(dialog.LabelPrinter->text(), "qor-ppd");
  EXPECT_EQ(dialog.ComboBoxPapers->count(), 5);
  EXPECT_EQ(dialog.SpinEditPageWidth->Text(), "123");
  dialogs->printerSetup = [] { return false; };
  dialog.BitBtnPrinter->click();  // cancelled: the list stays
  EXPECT_EQ(dialog.ComboBoxPapers->count(), 5);
  EXPECT_EQ(dialog.LabelPrinter->text(), "qor-ppd");
}

}  // namespace
