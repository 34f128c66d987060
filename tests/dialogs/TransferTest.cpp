// Settings into the dialog's controls and back.
#include <QTest>

#include "dialogs/DialogFixture.h"

namespace {

TEST_F(DialogTest, DefaultSettingsShowAsTheyAre) {
  TQorPrintSet s;
  ASSERT_TRUE(Run(s, [&] {
    EXPECT_EQ(dialog->RadioGroupMode->ItemIndex(), 1);  // Graphics mode
    EXPECT_EQ(dialog->SpinEditCopies->Text(), "1");
    EXPECT_TRUE(dialog->RadioButtonAll->isChecked());
    EXPECT_EQ(dialog->SpinEditPageWidth->Text(), "210");
    EXPECT_EQ(dialog->SpinEditPageHeight->Text(), "297");
    EXPECT_EQ(dialog->RadioGroupOrient->ItemIndex(), 0);
    EXPECT_EQ(dialog->SpinEditTop->Text(), "20");
    EXPECT_EQ(dialog->SpinEditLeft->Text(), "20");
    EXPECT_EQ(dialog->SpinEditRight->Text(), "15");
    EXPECT_EQ(dialog->SpinEditBottom->Text(), "20");
    EXPECT_TRUE(dialog->CheckBoxNumbering->isChecked());
    EXPECT_FALSE(dialog->CheckBoxNumFirstPage->isChecked());
    EXPECT_EQ(dialog->ComboBoxV->currentText(), "Top");
    EXPECT_EQ(dialog->ComboBoxH->currentText(), "Center");
    EXPECT_EQ(dialog->SpinEditNumPage->Text(), "1");
    EXPECT_EQ(dialog->EditNumFormat->text(), "- # -");
    EXPECT_EQ(dialog->RadioGroupText->ItemIndex(), 1);  // Normal
    EXPECT_EQ(dialog->EditInterval->text(), "1");
    EXPECT_EQ(dialog->LabelNumFont->text(), "Arial, 10");
    EXPECT_EQ(dialog->LabelTitleFont->text(), "Arial, 14, Bold, Italic");
    EXPECT_EQ(dialog->LabelTextFont->text(), "Courier New, 12");
    EXPECT_EQ(dialog->LabelPrinter->text(), "Double");
    EXPECT_EQ(Paper(), 0);  // A4
  }));
  const TQorPrintSet defaults;
  EXPECT_EQ(s.Mode, defaults.Mode);
  EXPECT_EQ(s.PageWidth, 210);
  EXPECT_EQ(s.PageHeight, 297);
  EXPECT_EQ(s.MarginLeft, 20);
  EXPECT_EQ(s.NumberAlignment, 2);
  EXPECT_TRUE(s.NumberAtTop);
  EXPECT_EQ(s.Interval, 1.0);
  EXPECT_TRUE(s.TitleFont.SameAs(defaults.TitleFont));
}

// One row a case: settings changed before, what the dialog shows, what the user does, and
// what is stored.
TEST_F(DialogTest, TransferTableBothWays) {
  struct Case {
    const char* what;
    std::function<void(TQorPrintSet&)> before;
    std::function<void()> shown;
    std::function<void()> user;
    std::function<void(const TQorPrintSet&)> stored;
  } cases[] = {
      {"alignment right shows Right; Center stores 2",
       [](TQorPrintSet& s) { s.NumberAlignment = 1; },
       [&] { EXPECT_EQ(dialog->ComboBoxH->currentText(), "Right"); },
       [&] { dialog->ComboBoxH->setCurrentIndex(1); },
       [](const TQorPrintSet& s) { EXPECT_EQ(s.NumberAlignment, 2); }},
      {"Left stores 0",
       {},
       {},
       [&] { dialog->ComboBoxH->setCurrentIndex(0); },
       [](const TQorPrintSet& s) { EXPECT_EQ(s.NumberAlignment, 0); }},
      {"number at the bottom",
       [](TQorPrintSet& s) { s.NumberAtTop = false; },
       [&] { EXPECT_EQ(dialog->ComboBoxV->currentText(), "Bottom"); },
       {},
       [](const TQorPrintSet& s) { EXPECT_FALSE(s.NumberAtTop); }},
      {"range Numbers",
       [](TQorPrintSet& s) { s.PrintRange = 1; },
       [&] { EXPECT_TRUE(dialog->RadioButtonPages->isChecked()); },
       {},
       [](const TQorPrintSet& s) { EXPECT_EQ(s.PrintRange, 1); }},
      {"range All",
       [](TQorPrintSet& s) { s.PrintRange = 0; },
       [&] { EXPECT_TRUE(dialog->RadioButtonAll->isChecked()); },
       {},
       [](const TQorPrintSet& s) { EXPECT_EQ(s.PrintRange, 0); }},
      {"interval not a number",
       {},
       {},
       [&] { dialog->EditInterval->setText("abc"); },
       [&](const TQorPrintSet& s) {
         EXPECT_EQ(s.Interval, 1.0);
         EXPECT_EQ(dialog->EditInterval->text(), "1");
       }},
      {"interval 0.2",
       {},
       {},
       [&] { dialog->EditInterval->setText("0.2"); },
       [](const TQorPrintSet& s) { EXPECT_EQ(s.Interval, 0.5); }},
      {"interval 250",
       {},
       {},
       [&] { dialog->EditInterval->setText("250"); },
       [](const TQorPrintSet& s) { EXPECT_EQ(s.Interval, 100.0); }},
      {"interval 2.5",
       {},
       {},
       [&] { dialog->EditInterval->setText("2.5"); },
       [](const TQorPrintSet& s) { EXPECT_EQ(s.Interval, 2.5); }},
      {"interval empty",
       {},
       {},
       [&] { dialog->EditInterval->setText(""); },
       [](const TQorPrintSet& s) { EXPECT_EQ(s.Interval, 1.0); }},
      {"landscape 297 x 210",
       [](TQorPrintSet& s) {
         s.Portrait = false;
         s.PageWidth = 297;
         s.PageHeight = 210;
       },
       [&] {
         EXPECT_EQ(dialog->RadioGroupOrient->ItemIndex(), 1);
         EXPECT_EQ(dialog->SpinEditPageWidth->Text(), "297");
         EXPECT_EQ(dialog->SpinEditPageHeight->Text(), "210");
         EXPECT_EQ(Paper(), 0);  // A4 turned
       },
       {},
       [](const TQorPrintSet& s) {
         EXPECT_FALSE(s.Portrait);
         EXPECT_EQ(s.PageWidth, 297);
         EXPECT_EQ(s.PageHeight, 210);
       }},
      {"accented title with two lines", [](TQorPrintSet& s) { s.Title = "Caf\xe9\r\nMenu"; },
       [&] { EXPECT_EQ(dialog->MemoTitle->toPlainText(), QString::fromUtf8("Caf\u00e9\nMenu")); },
       [&] { dialog->MemoTitle->setPlainText(QString::fromUtf8("\u00e9t\u00e9\nx")); },
       [](const TQorPrintSet& s) { EXPECT_EQ(s.Title, "\xe9t\xe9\r\nx"); }},
      {"sizes beyond 16 bits are held at 32767",
       {},
       {},
       [&] {
         dialog->SpinEditPageWidth->SetText("70000");  // typed and confirmed at once
         dialog->SpinEditTop->SetText("-5");
       },
       [](const TQorPrintSet& s) {
         EXPECT_EQ(s.PageWidth, 32767);
         EXPECT_EQ(s.MarginTop, 0);
       }},
      {"copies typed beyond the bounds are stored as typed",
       {},
       {},
       [&] { dialog->SpinEditCopies->SetText("150"); },
       [](const TQorPrintSet& s) { EXPECT_EQ(s.Copies, 150); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TQorPrintSet s;
    if (c.before) c.before(s);
    ASSERT_TRUE(Run(s, [&] {
      if (c.shown) c.shown();
      if (c.user) c.user();
    }));
    c.stored(s);
  }
}

TEST_F(DialogTest, CancelEscAndTheCloseBoxChangeNothing) {
  dialogs->font = [](TFont& f) {
    f.Name = "Liberation Serif";
    f.SetSize(30);
    return true;
  };
  const std::function<void()> closers[] = {
      [&] { dialog->CancelBtn->click(); },
      [&] { QTest::keyClick(dialog.get(), Qt::Key_Escape); },
      [&] { dialog->close(); },
  };
  for (const auto& close : closers) {
    TQorPrintSet s;
    const TQorPrintSet before = s;
    EXPECT_FALSE(Run(
        s,
        [&] {
          dialog->BitBtnHeaderFont->click();
          dialog->BitBtnTextFont->click();
          dialog->BitBtnNumFont->click();
          EXPECT_EQ(dialog->LabelTitleFont->text(), "Liberation Serif, 30, Bold, Italic");
          dialog->SpinEditPageWidth->SetValue(100);
          dialog->RadioGroupMode->SetItemIndex(0);
        },
        close));
    EXPECT_TRUE(s.TitleFont.SameAs(before.TitleFont));
    EXPECT_TRUE(s.TextFont.SameAs(before.TextFont));
    EXPECT_TRUE(s.NumberFont.SameAs(before.NumberFont));
    EXPECT_EQ(s.PageWidth, 210);
    EXPECT_EQ(s.Mode, 1);
    EXPECT_EQ(dialog->TitleFontCopy, nullptr);  // the working copies are gone
  }
}

TEST_F(DialogTest, AFileNameChoosesFileModeOnlyWhenTheEditChanges) {
  TQorPrintSet s;
  s.FileName = "out.txt";
  s.Mode = 0;
  ASSERT_TRUE(Run(s, [&] { EXPECT_EQ(dialog->RadioGroupMode->ItemIndex(), 2); }));
  EXPECT_EQ(s.Mode, 2);
  s.Mode = 0;  // the same name again: the loaded mode stays
  ASSERT_TRUE(Run(s, [&] { EXPECT_EQ(dialog->RadioGroupMode->ItemIndex(), 0); }));
  EXPECT_EQ(s.Mode, 0);
}

TEST_F(DialogTest, AnErrorWhileShownReachesTheErrorDisplayAndTheDialogGoesOn) {
  papers->fail = true;
  std::vector<std::string> shown;
  Application().OnException = [&](const std::exception& e) { shown.push_back(e.what()); };
  TQorPrintSet s;
  ASSERT_TRUE(Run(s, [&] {
    dialog->SpinEditPageWidth->SetValue(200);
    dialog->SpinEditPageHeight->SetValue(250);
  }));
  Application().OnException = nullptr;
  EXPECT_EQ(shown, std::vector<std::string>{"The printer does not answer"});
  EXPECT_EQ(s.PageWidth, 200);
  EXPECT_EQ(s.PageHeight, 250);
}

TEST_F(DialogTest, FontDescriptions) {
  TFont font;
  font.Name = "Courier New";
  font.SetSize(12);
  EXPECT_EQ(TDialPrint::FontDescription(&font), "Courier New, 12");
  font.Style = fsBold | fsItalic | fsUnderline | fsStrikeOut;
  EXPECT_EQ(TDialPrint::FontDescription(&font),
            "Courier New, 12, Bold, Italic, Underline, StrikeOut");
  EXPECT_EQ(TDialPrint::FontDescription(nullptr), "");
}

TEST_F(DialogTest, IntervalArrowsStepByHalves) {
  dialog->EditInterval->setText("99.5");
  dialog->SpinButton1->UpButton()->click();
  EXPECT_EQ(dialog->EditInterval->text(), "100");
  dialog->SpinButton1->UpButton()->click();
  EXPECT_EQ(dialog->EditInterval->text(), "100");
  dialog->EditInterval->setText("1");
  dialog->SpinButton1->DownButton()->click();
  EXPECT_EQ(dialog->EditInterval->text(), "0.5");
  dialog->SpinButton1->DownButton()->click();
  EXPECT_EQ(dialog->EditInterval->text(), "0.5");
  dialog->EditInterval->setText("x");
  dialog->SpinButton1->UpButton()->click();
  EXPECT_EQ(dialog->EditInterval->text(), "1");  // the step is not applied
}

}  // namespace
