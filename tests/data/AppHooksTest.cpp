// The application hooks: start-up, activation of forms, data modules and the busy counter.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "data/BoundControl.h"
#include "data/QorDB.h"
#include "db/PeopleFixture.h"
#include "platform/db/Table.h"
#include "platform/forms/Application.h"

namespace {

std::string gFolder;  // where the forms of these tests find People.DB

// A form showing one table through a data source and a bound control.
class TTableForm : public TForm {
 public:
  explicit TTableForm(QWidget* parent = nullptr, int32_t formTag = 0, int32_t tableTag = 99)
      : TForm(parent) {
    SetTag(formTag);
    table = new TTable(this);
    table->DatabaseName = gFolder;
    table->TableName = "People.DB";
    table->SetTag(tableTag);
    auto* source = new TDataSource(this);
    source->SetDataSet(table);
    new TBoundControl(this, source);
  }
  TTable* table;
};

void Activate(QWidget* window) {
  window->show();
  QApplication::setActiveWindow(window);
  QApplication::processEvents();
}

class HooksTest : public ::testing::Test {
 protected:
  HooksTest() {
    fixture::MakePeople(dir.Path(), 5);
    gFolder = dir.Path();
    QorApp().BusyCount = 0;
  }
  ~HooksTest() override { Screen().OnActiveFormChange = {}; }
  TempDir dir;
};

TEST_F(HooksTest, TheProgramsOwnSettingOpensTheTableOnce) {
  TTableForm* main = nullptr;
  Application().CreateForm(main);
  ASSERT_EQ(Application().MainForm(), main);
  InitQorApp(true);
  EXPECT_TRUE(main->table->Active());
  const uint64_t read = main->table->RowsRead();
  Activate(main);  // Tag 0: activation prepares nothing
  TTableForm other;
  Activate(&other);
  Activate(main);
  EXPECT_EQ(main->table->RowsRead(), read);
  delete main;
}

TEST_F(HooksTest, OnlyFormsTaggedNineArePreparedOnActivation) {
  InitQorApp(false);
  struct Case {
    int32_t formTag;
    bool prepared;
  } cases[] = {{9, true}, {19, false}, {99, false}, {-9, false}};
  for (const Case& c : cases) {
    TTableForm form(nullptr, c.formTag, 0);
    TTableForm refreshed(nullptr, c.formTag, 90);
    refreshed.table->Open();
    TForm elsewhere;
    for (int round = 0; round < 2; ++round) {  // each activation prepares again
      form.table->Close();
      const uint64_t before = refreshed.table->RowsRead();
      Activate(&elsewhere);
      Activate(&form);
      Activate(&refreshed);
      EXPECT_EQ(form.table->Active(), c.prepared) << c.formTag;
      EXPECT_EQ(refreshed.table->RowsRead() > before, c.prepared) << c.formTag;
    }
  }
}

TEST_F(HooksTest, DataModuleDataSetsEndingInNineOpenAtStartUp) {
  for (bool open : {true, false}) {
    TDataModule module;
    std::vector<TTable*> tables;
    for (int32_t tag : {9, 19, 99, 90, 1239, -9}) {
      auto* table = new TTable(&module);
      table->DatabaseName = dir.Path();
      table->TableName = "People.DB";
      table->SetTag(tag);
      tables.push_back(table);
    }
    InitQorApp(open);
    const std::vector<bool> expected{open, open, open, false, open, false};
    for (std::size_t i = 0; i < tables.size(); ++i)
      EXPECT_EQ(tables[i]->Active(), expected[i]) << "Tag " << tables[i]->Tag() << " " << open;
  }
}

// Records the order in which things happen around a data module's end.
struct Recorder {
  std::vector<std::string> events;
  TTable* watched = nullptr;
  void OnDestroy(QObject* sender) {
    events.push_back(std::string("OnDestroy ") + (watched->State() == TDataSetState::dsBrowse
                                                      ? "after the post"
                                                      : "before the post"));
    EXPECT_NE(sender, nullptr);
  }
};

TEST_F(HooksTest, OnlyTheLastDataModuleIsHookedAndItsHandlerStillRuns) {
  TTable pending;  // a dataset of the session with an edit not yet posted
  pending.DatabaseName = dir.Path();
  pending.TableName = "People.DB";
  pending.Open();
  Recorder recorder;
  recorder.watched = &pending;
  auto first = std::make_unique<TDataModule>();
  auto last = std::make_unique<TDataModule>();
  last->OnDestroy = TNotifyEvent(&recorder, &Recorder::OnDestroy);
  InitQorApp(true);
  InitQorApp(true);  // a second call must not chain the hook to itself

  pending.Edit();
  pending.FieldByName("Name")->SetAsString("Posted at the end");
  first.reset();  // not hooked: nothing is posted
  EXPECT_EQ(pending.State(), TDataSetState::dsEdit);
  last.reset();
  EXPECT_EQ(recorder.events, std::vector<std::string>{"OnDestroy after the post"});
  TTable check;
  check.DatabaseName = dir.Path();
  check.TableName = "People.DB";
  check.Open();
  EXPECT_EQ(check.FieldByName("Name")->AsString(), "Posted at the end");
}

TEST_F(HooksTest, HandlerAssignedBeforeStartUpIsReplaced) {
  int earlier = 0;
  struct Earlier {
    int* count;
    void Changed(QObject*) { ++*count; }
  } handler{&earlier};
  Screen().OnActiveFormChange = TNotifyEvent(&handler, &Earlier::Changed);
  InitQorApp(false);
  TForm a, b;
  Activate(&a);
  Activate(&b);
  EXPECT_EQ(earlier, 0);
}

TEST_F(HooksTest, BusyCounter) {
  TQorApp& app = QorApp();
  app.EndBusy();
  EXPECT_EQ(app.BusyCount, 0);
  app.BeginBusy();
  app.BeginBusy();
  app.EndBusy();
  InitQorApp(false);
  TTableForm form(nullptr, 9, 0);
  Activate(&form);
  EXPECT_FALSE(form.table->Active());  // still busy
  app.EndBusy();
  TForm elsewhere;
  Activate(&elsewhere);
  Activate(&form);
  EXPECT_TRUE(form.table->Active());
}

TEST_F(HooksTest, NoPreparationWhileTheBusyMessageIsShown) {
  InitQorApp(false);
  TTableForm form(nullptr, 9, 0);
  TForm start;
  Activate(&start);
  bool activatedWhileShown = false;
  QTimer::singleShot(50, [&] {
    Activate(&form);  // the user switches to the form while the message is up
    activatedWhileShown = QorApp().BusyCount > 0;
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      box->button(QMessageBox::Ok)->click();
  });
  QorApp().ShowBusyMessage("Please wait");
  EXPECT_TRUE(activatedWhileShown);
  EXPECT_FALSE(form.table->Active());
  EXPECT_EQ(QorApp().BusyCount, 0);
}

}  // namespace
