// Without a CUPS server the current printer is "Print to PDF", and the dialog shows it.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include "dialogs/DiPrint.h"
#include "platform/printer/PaperCapabilities.h"
#include "platform/printer/SystemPrinter.h"

namespace {

TEST(NoPrinter, TheDialogShowsPrintToPdfAndItsPapers) {
  const char* old = std::getenv("CUPS_SERVER");
  const std::string previousServer = old ? old : "";
  ::setenv("CUPS_SERVER", "/nonexistent/cups.sock", 1);
  cupsSetServer(nullptr);
  auto previousPrinter = SetPrinter(std::make_unique<TSystemPrinter>());
  auto previousPapers = SetPaperCapabilities(nullptr);  // the machine's own
  {
    TDialPrint dialog;
    dialog.RadioGroupOrient->SetItemIndex(0);
    dialog.SpinEditPageWidth->SetValue(210);
    dialog.SpinEditPageHeight->SetValue(297);
    dialog.RefreshPrinterPapers();
    EXPECT_EQ(dialog.LabelPrinter->text(), "Print to PDF");
    ASSERT_EQ(dialog.ComboBoxPapers->count(), 8);
    EXPECT_EQ(dialog.ComboBoxPapers->itemText(0), "A4");
    EXPECT_EQ(dialog.ComboBoxPapers->itemText(7), "Custom size");
    EXPECT_EQ(dialog.ComboBoxPapers->currentIndex(), 0);
  }
  SetPaperCapabilities(std::move(previousPapers));
  SetPrinter(std::move(previousPrinter));
  if (previousServer.empty())
    ::unsetenv("CUPS_SERVER");
  else
    ::setenv("CUPS_SERVER", previousServer.c_str(), 1);
  cupsSetServer(nullptr);
}

}  // namespace
