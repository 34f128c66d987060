// The font buttons and the page-list, file-name and save-file reactions.
#include "dialogs/DialogFixture.h"

namespace {

TEST_F(DialogTest, PageListChoosesTheRange) {
  dialog->EditPages->setText("1,3");
  EXPECT_TRUE(dialog->RadioButtonPages->isChecked());
  dialog->EditPages->setText("");
  EXPECT_TRUE(dialog->RadioButtonAll->isChecked());
  TQorPrintSet s;
  ASSERT_TRUE(Run(s, [&] { dialog->RadioButtonPages->setChecked(true); }));
  EXPECT_EQ(s.PrintRange, 1);  // by hand, with an empty list
  EXPECT_EQ(s.Pages, "");
}

TEST_F(DialogTest, FileNameChoosesTheMode) {
  dialog->RadioGroupMode->SetItemIndex(0);
  dialog->EditFilename->setText("x.txt");
  EXPECT_EQ(dialog->RadioGroupMode->ItemIndex(), 2);
  dialog->EditFilename->setText("");
  EXPECT_EQ(dialog->RadioGroupMode->ItemIndex(), 1);  // Graphics, not Text
}

TEST_F(DialogTest, SaveDialogFillsTheFileNameAndRemembersIt) {
  dialogs->save = [](std::string& name) {
    name = "/tmp/report.txt";
    return true;
  };
  dialog->RadioGroupMode->SetItemIndex(0);
  dialog->SpeedButton1->click();
  EXPECT_EQ(dialog->EditFilename->text(), "/tmp/report.txt");
  EXPECT_EQ(dialog->RadioGroupMode->ItemIndex(), 2);
  EXPECT_EQ(dialogs->lastDefaultExt, "txt");
  dialog->RadioGroupMode->SetItemIndex(0);
  dialog->SpeedButton1->click();  // the very same name: no change, the mode stays
  EXPECT_EQ(dialogs->lastSaveStart, "/tmp/report.txt");
  EXPECT_EQ(dialog->RadioGroupMode->ItemIndex(), 0);
  dialogs->save = [](std::string&) { return false; };
  dialog->SpeedButton1->click();
  EXPECT_EQ(dialog->EditFilename->text(), "/tmp/report.txt");
}

TEST_F(DialogTest, FontButtonsWorkOnCopiesUntilOk) {
  dialogs->font = [](TFont& f) {
    f.Name = "Arial";
    f.SetSize(14);
    f.Style = fsBold | fsItalic;
    return true;
  };
  TQorPrintSet s;
  ASSERT_TRUE(Run(s, [&] {
    dialog->BitBtnTextFont->click();
    EXPECT_EQ(dialog->LabelTextFont->text(), "Arial, 14, Bold, Italic");
    EXPECT_EQ(s.TextFont.Name, "Courier New");  // not yet
  }));
  EXPECT_EQ(s.TextFont.Name, "Arial");
  EXPECT_EQ(s.TextFont.Size(), 14);

  dialogs->font = [](TFont& f) {
    f.Name = "Changed but cancelled";
    return false;
  };
  ASSERT_TRUE(Run(s, [&] {
    dialog->BitBtnNumFont->click();
    EXPECT_EQ(dialog->LabelNumFont->text(), "Arial, 10");
  }));
  EXPECT_EQ(s.NumberFont.Name, "Arial");
}

}  // namespace
