// "Print Grid" in the real program's window, on the machine's printer object, the private CUPS
// server and real PDF files.
#include <cups/cups.h>
#include <unistd.h>

#include <QProcess>
#include <regex>

#include "app/ReportFixture.h"
#include "e2e/CupsServer.h"
#include "platform/printer/CupsSpooler.h"
#include "platform/printer/SystemPrinter.h"
#include "support/ChoosePrinter.h"

namespace {

class ReportE2E : public ReportTest {
 protected:
  ReportE2E() {
    cupsSetServer(nullptr);  // CUPS_SERVER of the test's environment
    previousPrinter = SetPrinter(std::make_unique<TSystemPrinter>());
    previousSpooler = SetSpooler(std::make_unique<TCupsSpooler>());
    char cwd[4096];
    previousDir = getcwd(cwd, sizeof cwd) ? cwd : "/";
    EXPECT_EQ(chdir(dir.Path().c_str()), 0);  // where Print to PDF writes
  }
  ~ReportE2E() override {
    EXPECT_EQ(chdir(previousDir.c_str()), 0);
    SetSpooler(std::move(previousSpooler));
    SetPrinter(std::move(previousPrinter));
  }
  static std::string Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return process.readAllStandardOutput().toStdString();
  }

  std::string server = e2e::ServerDir();
  std::unique_ptr<TPrinter> previousPrinter;
  std::unique_ptr<TSpooler> previousSpooler;
  std::string previousDir;
};

TEST_F(ReportE2E, TextModeCopiesAreWholeDocumentsEachFromTheFirstRecord) {
  TForm1& f = Open(3);
  f.Table1->Last();
  const std::vector<int> before = e2e::CapturedJobs(server, "qor-raw");
  PrintGrid([](TDialPrint& d) {
    d.EditFilename->setText("");
    d.RadioGroupMode->SetItemIndex(0);
    d.SpinEditCopies->SetValue(3);
  });
  EXPECT_TRUE(messages.empty());
  std::vector<std::string> documents;
  std::vector<int> seen = before;
  for (int copy = 0; copy < 3; ++copy) {
    documents.push_back(e2e::WaitForNewJob(server, "qor-raw", seen));
    const std::vector<int> now = e2e::CapturedJobs(server, "qor-raw");
    for (int job : now)  // the lowest new job is the one just read
      if (std::find(seen.begin(), seen.end(), job) == seen.end()) {
        seen.push_back(job);
        break;
      }
  }
  const std::string expected = std::string("\x1b\x50\x12\x1b\x33\x24", 6) + "\r\n\r\n\r\n" +
                               "      Test\r\n      " + kHeader + "\r\n      " +
                               std::string(37, '-') + "\r\n      " + Row(1) + "\r\n      " +
                               Row(2) + "\r\n      " + Row(3) + "\r\n\f      \x1b@\r\n";
  for (const std::string& document : documents) EXPECT_EQ(document, expected);
  EXPECT_EQ(f.Table1Id->AsInteger(), 3);
}

TEST_F(ReportE2E, GraphicsModeCopiesGoToThePrinterAsOneJob) {
  Open(3);
  ChoosePrinter("qor-ppd");
  const std::vector<int> before = e2e::CapturedJobs(server, "qor-ppd");
  PrintGrid([](TDialPrint& d) {
    d.EditFilename->setText("");
    d.RadioGroupMode->SetItemIndex(1);
    d.SpinEditCopies->SetValue(3);
  });
  EXPECT_TRUE(messages.empty());
  const std::string pdf = e2e::WaitForNewJob(server, "qor-ppd", before);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  const std::vector<int> after = e2e::CapturedJobs(server, "qor-ppd");
  ASSERT_EQ(after.size(), before.size() + 1);
  EXPECT_EQ(e2e::CapturedCopies(server, "qor-ppd", after.back()), "3");
}

TEST_F(ReportE2E, PrintToPdfWritesTheReportAsAPdfFile) {
  fixture::MakePeople(dir.Path(), 0);
  fixture::Exec(dir.File("People.DB"),
                "INSERT INTO People VALUES (1, 'Ren\xc3\xa9 Abend', 1, 1, 1, 'P-1'), "
                "(2, 'Person 2', 2, 2, 2, 'P-2')");
  form = std::make_unique<TForm1>();
  PrepareFormDataSets(form.get(), false);
  ChoosePrinter("Print to PDF");
  PrintGrid([](TDialPrint& d) {
    d.EditFilename->setText("");
    d.RadioGroupMode->SetItemIndex(1);
  });
  EXPECT_TRUE(messages.empty());
  const QString pdf = QString::fromStdString(dir.File("QorPrint.pdf"));
  ASSERT_TRUE(QFile::exists(pdf));
  const std::string text = Run("pdftotext", {"-layout", pdf, "-"});
  EXPECT_NE(text.find("Test"), std::string::npos) << text;
  EXPECT_NE(text.find("Name"), std::string::npos) << text;
  EXPECT_NE(text.find("Ren\xc3\xa9 Abend"), std::string::npos) << text;  // UTF-8 "é"
  EXPECT_NE(text.find("Person 2"), std::string::npos) << text;
  EXPECT_TRUE(std::regex_search(Run("pdfinfo", {pdf}), std::regex("Pages:\\s+1\\n")));

  // The first line starts 20 mm from the sheet's left edge (56.69 points), within 0.5 mm.
  const std::string boxes = Run("pdftotext", {"-bbox", pdf, "-"});
  std::smatch match;
  ASSERT_TRUE(std::regex_search(boxes, match, std::regex("xMin=\"([0-9.]+)\"")));
  EXPECT_NEAR(std::stod(match[1]), 56.69, 0.5 * 72 / 25.4);
}

TEST_F(ReportE2E, AccentedNamesInFileAndTextMode) {
  fixture::MakePeople(dir.Path(), 0);
  fixture::Exec(dir.File("People.DB"),
                "INSERT INTO People VALUES (1, 'Ren\xc3\xa9', 1, 1, 1, 'P-1')");
  form = std::make_unique<TForm1>();
  PrepareFormDataSets(form.get(), false);
  const std::string file = dir.File("accent.txt");
  PrintGrid([&](TDialPrint& d) { d.EditFilename->setText(QString::fromStdString(file)); });
  EXPECT_NE(ReadFileBytes(file).find("Ren\xe9"), std::string::npos);

  const std::vector<int> before = e2e::CapturedJobs(server, "qor-raw");
  ChoosePrinter("qor-raw");
  PrintGrid([](TDialPrint& d) {
    d.EditFilename->setText("");
    d.RadioGroupMode->SetItemIndex(0);
  });
  EXPECT_NE(e2e::WaitForNewJob(server, "qor-raw", before).find("Ren\x82"), std::string::npos);
}

TEST_F(ReportE2E, GraphicsJobsThatCannotStartSayWhy) {
  Open(2);
  for (const char* queue : {"qor-raw", "qor-reject"}) {
    messages.clear();
    ChoosePrinter(queue);
    PrintGrid([](TDialPrint& d) {
      d.EditFilename->setText("");
      d.RadioGroupMode->SetItemIndex(1);
    });
    ASSERT_EQ(messages.size(), 1u) << queue;
    EXPECT_NE(messages[0].find(queue), std::string::npos) << messages[0];
  }
}

TEST_F(ReportE2E, AnAbandonedGraphicsJobLeavesNoFileAndNoJob) {
  TQorPrintSet settings;
  settings.Mode = 1;
  ChoosePrinter("Print to PDF");
  TQorPrinter engine;
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Print("never printed");
  engine.Abort();
  EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.File("QorPrint.pdf"))));
  EXPECT_TRUE(QDir(QString::fromStdString(dir.Path())).entryList({"QorPrint.pdf*"}).isEmpty());

  ChoosePrinter("qor-ppd");
  const std::vector<int> before = e2e::CapturedJobs(server, "qor-ppd");
  ASSERT_TRUE(engine.BeginDoc(&settings));
  engine.Print("never printed");
  engine.Abort();
  EXPECT_EQ(e2e::WaitForNewJob(server, "qor-ppd", before, 2), "");
}

}  // namespace
