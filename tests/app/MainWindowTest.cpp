// The main window: its components as the form describes them, its links, and the grid and
// navigator on the table of people.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <map>

#include "app/fPrint.h"
#include "data/QorDB.h"
#include "db/PeopleFixture.h"
#include "platform/db/Session.h"
#include "platform/forms/Application.h"
#include "platform/shell/Shell.h"

namespace {

// A window on a People.DB of its own, through an alias of this test's session.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    previous = SetSession(std::make_unique<TSession>());
    Session().ConfigMode = cmSession;
    Session().AddStandardAlias("QorExample", dir.Path() + "/", "PARADOX");
  }
  ~MainWindowTest() override {
    form.reset();
    SetSession(std::move(previous));
  }
  TForm1& Open(long rows) {
    fixture::MakePeople(dir.Path(), rows);
    form = std::make_unique<TForm1>();
    PrepareFormDataSets(form.get(), false);
    return *form;
  }

  TempDir dir;
  std::unique_ptr<TSession> previous;
  std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowTest, ComponentsAsTheFormDescribesThem) {
  TForm1& f = Open(3);
  const char* order[] = {"Panel1",          "Label8",        "Label1",        "LabelMail",
                         "Label5",          "LabelHomePage", "Label7",        "Label6",
                         "Bevel1",          "Label2",        "Label3",        "Table1",
                         "Table1Id",        "Table1Name",    "DataSource",    "DBGrid1",
                         "DBNavigator1",    "Image1",        "Table1Pasport", "Table1Prof",
                         "Table1Continent", "Table1Country", "Button1"};
  ASSERT_EQ(f.ComponentCount(), 23);
  for (int i = 0; i < 23; ++i) EXPECT_EQ(f.Components(i)->objectName(), order[i]) << i;

  EXPECT_EQ(f.windowTitle(), "Form1");
  EXPECT_EQ(f.size(), QSize(451, 372));  // the client area of the 459 x 399 window
  EXPECT_EQ(f.Position, TPosition::poScreenCenter);
  EXPECT_EQ(f.font().family(), "MS Sans Serif");
  EXPECT_EQ(f.font().pixelSize(), 11);

  struct Control {
    QWidget* widget;
    QRect place;
    const char* text;
    int fontPixels;
    bool bold;
  } controls[] = {
      {f.Panel1, {0, 0, 451, 193}, nullptr, 11, false},
      {f.Image1, {0, 0, 226, 126}, nullptr, 11, false},
      {f.Label3, {252, 10, 185, 32}, "TQorPrinter\nand auxiliary components. ", 13, true},
      {f.Label2,
       {245, 56, 196, 52},
       "Printing in the text and graphics mode, \noutput to the file, page setup, numbering, \n"
       "fonts choice, including text mode, line \nspacing and etc. ",
       11,
       false},
      {f.Bevel1, {8, 146, 433, 9}, nullptr, 11, false},
      {f.Label1, {10, 157, 29, 13}, "E-Mail", 11, false},
      {f.LabelMail, {46, 156, 83, 13}, nullptr, 11, false},
      {f.Label5, {10, 172, 55, 13}, "Home page", 11, false},
      {f.LabelHomePage, {72, 171, 113, 13}, nullptr, 11, false},
      {f.Label7, {304, 157, 137, 16}, nullptr, 13, true},
      {f.Label6, {230, 173, 212, 13}, nullptr, 11, true},
      {f.Label8, {11, 138, 430, 13}, nullptr, 11, false},
      {f.Button1, {152, 200, 75, 25}, "Print Grid", 13, false},
      {f.DBNavigator1, {8, 233, 240, 25}, nullptr, 11, false},
      {f.DBGrid1, {7, 260, 442, 108}, nullptr, 11, false},
  };
  for (const Control& c : controls) {
    const QString name = c.widget->objectName();
    const QRect at = c.widget->geometry();
    // Labels size themselves to their text: they may only grow from their place.
    EXPECT_EQ(at.top(), c.place.top()) << name.toStdString();
    EXPECT_EQ(at.height(), c.place.height()) << name.toStdString();
    if (qobject_cast<QLabel*>(c.widget) && c.widget != f.Image1) {
      EXPECT_GE(at.width(), c.place.width()) << name.toStdString();
    } else {
      EXPECT_EQ(at, c.place) << name.toStdString();
    }
    EXPECT_EQ(c.widget->font().pixelSize(), c.fontPixels) << name.toStdString();
    EXPECT_EQ(c.widget->font().bold(), c.bold) << name.toStdString();
    if (c.text) {
      const auto* label = qobject_cast<QLabel*>(c.widget);
      const auto* button = qobject_cast<QPushButton*>(c.widget);
      EXPECT_EQ(label ? label->text() : button->text(), c.text) << name.toStdString();
    }
  }
  EXPECT_EQ(f.Panel1->palette().color(QPalette::Window), QColor(Qt::white));
  EXPECT_EQ(f.Image1->pixmap().size(), QSize(223, 134));
  EXPECT_EQ(f.LabelMail->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_TRUE(f.LabelMail->font().underline());
  EXPECT_TRUE(f.LabelMail->text().endsWith("@example.org"));
  EXPECT_TRUE(f.LabelHomePage->text().contains("example.org"));
  EXPECT_EQ(f.Table1->Tag(), 99);
  const char* fields[] = {"Id", "Name", "Prof", "Continent", "Country", "Pasport"};
  ASSERT_EQ(f.Table1->FieldCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(f.Table1->Fields(i)->FieldName, fields[i]);
  EXPECT_EQ(f.Table1->TableName, "People.DB");
  EXPECT_EQ(f.DBGrid1->DataSource(), f.DataSource);
  EXPECT_EQ(f.DBNavigator1->DataSource(), f.DataSource);

  // Tab order: the grid, the navigator, the button.
  std::vector<QString> chain;
  QWidget* widget = f.DBGrid1;
  for (int i = 0; i < 200 && chain.size() < 3; ++i, widget = widget->nextInFocusChain())
    for (QWidget* stop : {static_cast<QWidget*>(f.DBGrid1), static_cast<QWidget*>(f.DBNavigator1),
                          static_cast<QWidget*>(f.Button1)})
      if (widget == stop && (chain.empty() || chain.back() != stop->objectName()))
        chain.push_back(stop->objectName());
  EXPECT_EQ(chain, (std::vector<QString>{"DBGrid1", "DBNavigator1", "Button1"}));
}

TEST_F(MainWindowTest, WideningTheWindowWidensOnlyThePanel) {
  TForm1& f = Open(3);
  f.show();
  std::map<QWidget*, QRect> before;
  for (QWidget* w : f.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    before[w] = w->geometry();
  f.resize(f.width() + 100, f.height() + 50);
  for (const auto& [widget, place] : before) {
    QRect expected = place;
    if (widget == f.Panel1) expected.setWidth(place.width() + 100);
    EXPECT_EQ(widget->geometry(), expected) << widget->objectName().toStdString();
  }
}

TEST_F(MainWindowTest, LinksOpenExactlyTheirCaptions) {
  TForm1& f = Open(1);
  f.show();
  std::vector<QString> opened;
  TAddressOpener previousOpener = SetAddressOpener([&](const QString& a) { opened.push_back(a); });
  QTest::mouseClick(f.LabelMail, Qt::LeftButton);
  QTest::mouseClick(f.LabelHomePage, Qt::LeftButton);
  f.LabelMail->setText("someone@example.org");
  QTest::mouseClick(f.LabelMail, Qt::LeftButton);
  SetAddressOpener(previousOpener);
  EXPECT_EQ(opened, (std::vector<QString>{"mailto:" + QString("info@example.org"),
                                          f.LabelHomePage->text(), "mailto:someone@example.org"}));
}

TEST_F(MainWindowTest, GridShowsTheRowsAndFollowsTheNavigator) {
  TForm1& f = Open(5);
  TDataSetModel* model = f.DBGrid1->Model();
  ASSERT_EQ(model->rowCount(), 5);
  ASSERT_EQ(model->columnCount(), 6);
  EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Name");
  EXPECT_EQ(model->data(model->index(2, 1), Qt::DisplayRole).toString(), "Person 3");
  EXPECT_EQ(model->data(model->index(2, 0), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                Qt::AlignRight,
            Qt::AlignRight);
  f.DBNavigator1->BtnClick(TDBNavigator::nbLast);
  EXPECT_EQ(f.DBGrid1->currentIndex().row(), 4);
  EXPECT_FALSE(f.DBNavigator1->Button(TDBNavigator::nbNext)->isEnabled());
  EXPECT_TRUE(f.DBNavigator1->Button(TDBNavigator::nbFirst)->isEnabled());
  f.DBGrid1->setCurrentIndex(model->index(1, 0));  // the user picks a row
  EXPECT_EQ(f.Table1Id->AsInteger(), 2);
}

TEST_F(MainWindowTest, NavigatorEditsReachTheFileAndOutliveTheWindow) {
  TForm1& f = Open(3);
  TDBNavigator* nav = f.DBNavigator1;
  nav->BtnClick(TDBNavigator::nbInsert);
  EXPECT_FALSE(nav->Button(TDBNavigator::nbInsert)->isEnabled() &&
               !nav->Button(TDBNavigator::nbPost)->isEnabled());
  f.Table1Id->SetAsInteger(4);
  f.Table1Name->SetAsString("New person");
  nav->BtnClick(TDBNavigator::nbPost);
  nav->BtnClick(TDBNavigator::nbFirst);
  nav->BtnClick(TDBNavigator::nbEdit);
  f.Table1Name->SetAsString("Edited person");
  nav->BtnClick(TDBNavigator::nbPost);
  nav->BtnClick(TDBNavigator::nbNext);  // Person 2
  QTimer::singleShot(0, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      box->button(QMessageBox::Ok)->click();
  });
  nav->BtnClick(TDBNavigator::nbDelete);  // asks first; the test says yes

  form = std::make_unique<TForm1>();  // the window again, as after a restart
  PrepareFormDataSets(form.get(), false);
  std::vector<std::string> names;
  for (TTable* t = form->Table1; !t->Eof(); t->Next())
    names.push_back(t->FieldByName("Name")->AsString());
  EXPECT_EQ(names, (std::vector<std::string>{"Edited person", "Person 3", "New person"}));
}

TEST_F(MainWindowTest, ColumnsReportTheirOrderAndWidthsAsShown) {
  TForm1& f = Open(2);
  QHeaderView* header = f.DBGrid1->horizontalHeader();
  ASSERT_EQ(f.DBGrid1->ColumnCount(), 6);
  EXPECT_EQ(f.DBGrid1->Columns(0).Title, "Id");
  EXPECT_EQ(f.DBGrid1->Columns(0).Alignment, TAlignment::taRightJustify);
  const int digit = QFontMetrics(f.DBGrid1->font()).horizontalAdvance('0');
  EXPECT_EQ(f.DBGrid1->Columns(1).Width, 40 * digit + 4);  // display width 40
  header->moveSection(1, 0);                               // Name first
  header->resizeSection(0, 64);
  EXPECT_EQ(f.DBGrid1->Columns(0).Title, "Name");
  EXPECT_EQ(f.DBGrid1->Columns(0).Field, f.Table1Name);
  EXPECT_EQ(f.DBGrid1->Columns(1).Title, "Id");
  EXPECT_EQ(f.DBGrid1->Columns(1).Width, 64);
}

TEST_F(MainWindowTest, NoUpdatesWhileControlsAreDisabled) {
  TForm1& f = Open(10000);
  f.show();
  TDataSetModel* model = f.DBGrid1->Model();
  int updates = 0;
  QObject::connect(model, &QAbstractItemModel::modelReset, [&] { ++updates; });
  QObject::connect(model, &QAbstractItemModel::dataChanged, [&] { ++updates; });
  QObject::connect(model, &QAbstractItemModel::headerDataChanged, [&] { ++updates; });
  QObject::connect(model, &QAbstractItemModel::layoutChanged, [&] { ++updates; });
  QObject::connect(model, &TDataSetModel::CurrentRowChanged, [&] { ++updates; });
  QObject::connect(f.DBGrid1->selectionModel(), &QItemSelectionModel::currentChanged,
                   [&] { ++updates; });
  f.Table1->DisableControls();
  f.Table1->DisableControls();
  for (f.Table1->First(); !f.Table1->Eof(); f.Table1->Next()) {
  }
  f.Table1->EnableControls();
  QApplication::processEvents();
  EXPECT_EQ(updates, 0);
  f.Table1->EnableControls();
  EXPECT_GT(updates, 0);
  EXPECT_EQ(f.DBGrid1->currentIndex().row(), 9999);
}

TEST_F(MainWindowTest, MissingOrDamagedTableOpensAnEmptyWindowWithoutAMessage) {
  for (bool damaged : {false, true}) {
    if (damaged) std::ofstream(dir.File("People.DB")) << "not a table";
    int shown = 0;
    Application().OnException = [&](const std::exception&) { ++shown; };
    form = std::make_unique<TForm1>();
    PrepareFormDataSets(form.get(), false);
    form->show();
    QApplication::processEvents();
    EXPECT_FALSE(form->Table1->Active());
    EXPECT_EQ(form->DBGrid1->Model()->rowCount(), 0);
    EXPECT_EQ(shown, 0);
    Application().OnException = nullptr;
  }
}

}  // namespace
