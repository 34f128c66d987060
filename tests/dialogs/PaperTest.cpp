// The paper list, the orientation and the size edits keeping each other consistent.
#include "dialogs/DialogFixture.h"

namespace {

class PaperTest : public DialogTest {
 protected:
  void Size(int width, int height, int orientation = 0) {
    dialog->RadioGroupOrient->SetItemIndex(orientation);
    dialog->SpinEditPageWidth->SetValue(width);
    dialog->SpinEditPageHeight->SetValue(height);
    dialog->RefreshPrinterPapers();
  }
  // The user picks a paper (a choice made from code runs no reaction).
  void Choose(int index) {
    dialog->ComboBoxPapers->setCurrentIndex(index);
    emit dialog->ComboBoxPapers->activated(index);
  }
  std::pair<QString, QString> Edits() const {
    return {dialog->SpinEditPageWidth->Text(), dialog->SpinEditPageHeight->Text()};
  }
  using Pair = std::pair<QString, QString>;
};

TEST_F(PaperTest, TheListEndsWithTheCustomItem) {
  Size(210, 297);
  ASSERT_EQ(dialog->ComboBoxPapers->count(), 3);
  EXPECT_EQ(dialog->ComboBoxPapers->itemText(2), "Custom size");
  EXPECT_EQ(dialog->PaperWidths, (std::vector<std::string>{"2100", "2159", "0"}));
  EXPECT_EQ(dialog->PaperHeights, (std::vector<std::string>{"2970", "2794", "0"}));
}

TEST_F(PaperTest, MatchingWithinLessThanOneMillimetre) {
  Size(210, 297);
  EXPECT_EQ(Paper(), 0);  // A4
  dialog->RadioGroupOrient->SetItemIndex(1);
  EXPECT_EQ(Edits(), Pair("297", "210"));
  EXPECT_EQ(Paper(), 0);  // still A4, turned
  Size(216, 279);
  EXPECT_EQ(Paper(), 1);  // Letter: 1 and 4 tenths off
  Size(209, 297);
  EXPECT_EQ(Paper(), Last());  // exactly 10 tenths off is no match
  Size(210, 297);
  dialog->SpinEditPageWidth->SetText("");
  EXPECT_EQ(Paper(), Last());  // a cleared width
  dialog->SpinEditPageWidth->SetText("abc");
  EXPECT_EQ(Paper(), Last());  // reads as 0
}

TEST_F(PaperTest, ChoosingAPaperFillsTheEditsForTheOrientation) {
  Size(100, 100);
  Choose(1);
  EXPECT_EQ(Edits(), Pair("216", "279"));
  EXPECT_EQ(Paper(), 1);
  Size(100, 100, 1);
  Choose(1);
  EXPECT_EQ(Edits(), Pair("279", "216"));
  Choose(Last());
  EXPECT_EQ(Edits(), Pair("279", "216"));  // the custom item changes nothing
}

TEST_F(PaperTest, HalfMillimetresGoToTheEvenNeighbour) {
  papers->papers = {{"Odd", 1485, 1275}};
  Size(1, 1);
  Choose(0);
  EXPECT_EQ(Edits(), Pair("148", "128"));
}

TEST_F(PaperTest, TwoPapersOfOneSize) {
  papers->papers = {{"A4", 2100, 2970}, {"A4 again", 2100, 2970}, {"Letter", 2159, 2794}};
  Size(210, 297);
  EXPECT_EQ(Paper(), 0);  // the first of them
  Choose(1);              // the user's choice of the second stays
  EXPECT_EQ(Paper(), 1);
}

TEST_F(PaperTest, ASizeLoadedNearAPaperKeepsItsValue) {
  TQorPrintSet s;
  s.PageWidth = 215;
  s.PageHeight = 279;
  ASSERT_TRUE(Run(s, [&] {
    EXPECT_EQ(Paper(), 1);  // Letter, selected from code
    EXPECT_EQ(Edits(), Pair("215", "279"));
  }));
  EXPECT_EQ(s.PageWidth, 215);
}

}  // namespace
