// "Print Grid": the report through the dialog and the engine.
#include <QAbstractButton>

#include "app/ReportFixture.h"
#include "support/SpoolerDouble.h"
#include "support/TempDir.h"

namespace {

TEST(ReportColumns, WidthInCharacters) {
  EXPECT_EQ(ColumnChars(64, 6), 11);
  EXPECT_EQ(ColumnChars(0, 6), 1);
  EXPECT_EQ(ColumnChars(60, 6), 11);
}

TEST_F(ReportTest, FileModeWritesHeaderDashesAndRecords) {
  TForm1& f = Open(3);
  f.Table1->Next();  // the grid stands on Id 2
  const std::string file = dir.File("report.txt");
  PrintGrid([&](TDialPrint& d) { d.EditFilename->setText(QString::fromStdString(file)); });
  EXPECT_EQ(ReadFileBytes(file), "\r\nTest\r\n" + std::string(kHeader) + "\r\n" +
                                     std::string(37, '-') + "\r\n" + Row(1) + "\r\n" + Row(2) +
                                     "\r\n" + Row(3) + "\r\n\f");
  EXPECT_EQ(f.Table1Id->AsInteger(), 2);  // back on its record
  EXPECT_FALSE(f.Table1->ControlsDisabled());
  EXPECT_TRUE(messages.empty());
}

TEST_F(ReportTest, MovedAndResizedColumnsPrintAsShown) {
  TForm1& f = Open(1);
  const int unit = QFontMetrics(f.font()).horizontalAdvance('0');
  QHeaderView* header = f.DBGrid1->horizontalHeader();
  header->moveSection(1, 0);           // Name first
  header->resizeSection(0, 3 * unit);  // Id: 4 characters
  const std::string file = dir.File("moved.txt");
  PrintGrid([&](TDialPrint& d) {
    d.EditFilename->setText(QString::fromStdString(file));
    d.CheckBoxWOPages->setChecked(true);
    d.MemoTitle->setPlainText("");
  });
  EXPECT_EQ(ReadFileBytes(file), "\r\n    Name    | Id |Pro|Con|Cou|Paspor\r\n" +
                                     std::string(36, '-') +
                                     "\r\nPerson 1    |   1|  1|  1|  1|P-1   \r\n");
}

TEST_F(ReportTest, EmptyTablePrintsHeaderAndDashesOnly) {
  Open(0);
  const std::string file = dir.File("empty.txt");
  PrintGrid([&](TDialPrint& d) {
    d.EditFilename->setText(QString::fromStdString(file));
    d.CheckBoxWOPages->setChecked(true);
  });
  EXPECT_EQ(ReadFileBytes(file),
            "Test\r\n" + std::string(kHeader) + "\r\n" + std::string(37, '-') + "\r\n");
}

TEST_F(ReportTest, AnEndedPageRangeStopsReadingRecords) {
  TForm1& f = Open(5000);
  const std::string file = dir.File("range.txt");
  const uint64_t before = f.Table1->RowsRead();
  PrintGrid([&](TDialPrint& d) {
    d.EditFilename->setText(QString::fromStdString(file));
    d.EditPages->setText("1");
  });
  EXPECT_LT(f.Table1->RowsRead() - before, 1000u);  // one page, not 5000 records
  const std::string printed = ReadFileBytes(file);
  EXPECT_EQ(std::count(printed.begin(), printed.end(), '\f'), 1);
}

TEST_F(ReportTest, CancelPrintsNothing) {
  Open(2);
  QTimer::singleShot(0, [] { DialPrint().CancelBtn->click(); });
  form->show();
  QTest::mouseClick(form->Button1, Qt::LeftButton);
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(FileExists("Printer"));
}

TEST_F(ReportTest, ZeroCopiesPrintNothingAndRestoreThePosition) {
  TForm1& f = Open(3);
  f.Table1->Last();
  ScopedSpoolerDouble spooler;
  PrintGrid([](TDialPrint& d) {
    d.EditFilename->setText("");
    d.RadioGroupMode->SetItemIndex(0);
    d.SpinEditCopies->SetText("0");  // typed and confirmed at once
  });
  EXPECT_TRUE(spooler->calls.empty());
  EXPECT_EQ(f.Table1Id->AsInteger(), 3);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ReportTest, AnErrorInTheSecondCopyShowsErrorOnceAndStops) {
  TForm1& f = Open(3);
  f.Table1->Next();
  ScopedSpoolerDouble spooler;
  spooler->failWriteAt = 11;  // the header of the second copy (8 writes a copy)
  PrintGrid([](TDialPrint& d) {
    d.EditFilename->setText("");
    d.RadioGroupMode->SetItemIndex(0);
    d.SpinEditCopies->SetValue(3);
    d.CheckBoxWOPages->setChecked(true);
  });
  EXPECT_EQ(messages, std::vector<std::string>{"Error"});
  EXPECT_EQ(std::count(spooler->calls.begin(), spooler->calls.end(), "StartDocPrinter"), 2);
  EXPECT_EQ(f.Table1Id->AsInteger(), 2);
  EXPECT_FALSE(QorPrinter().Printing());
}

// EndDoc fails after it has closed the document: the user hears "Error", not that there was
// no document to abandon.
TEST_F(ReportTest, AFailingEndShowsErrorOnce) {
  Open(2);
  ScopedSpoolerDouble spooler;
  spooler->fail.insert("EndDocPrinter");
  PrintGrid([](TDialPrint& d) {
    d.EditFilename->setText("");
    d.RadioGroupMode->SetItemIndex(0);
  });
  EXPECT_EQ(messages, std::vector<std::string>{"Error"});
}

// A document that cannot start is not skipped in silence.
TEST_F(ReportTest, ARefusedDocumentIsReportedOnce) {
  Open(2);
  ScopedSpoolerDouble spooler;
  spooler->fail.insert("OpenPrinter");
  PrintGrid([](TDialPrint& d) {
    d.EditFilename->setText("");
    d.RadioGroupMode->SetItemIndex(0);
    d.SpinEditCopies->SetValue(3);
  });
  EXPECT_EQ(messages, std::vector<std::string>{"Error connecting to printer"});
}

TEST_F(ReportTest, AClosedDataSetGoesToTheErrorDisplay) {
  TForm1& f = Open(2);
  f.Table1->Close();
  std::vector<std::string> shown;
  Application().OnException = [&](const std::exception& e) { shown.push_back(e.what()); };
  PrintGrid([&](TDialPrint& d) { d.EditFilename->setText(QString::fromStdString(dir.File("x"))); });
  Application().OnException = nullptr;
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("closed dataset"), std::string::npos);
  EXPECT_FALSE(f.Table1->ControlsDisabled());
  EXPECT_TRUE(messages.empty());
}

}  // namespace
