// Tables: browsing, editing and durability of table files.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "db/PeopleFixture.h"
#include "platform/db/Table.h"
#include "platform/system/CodePage.h"

namespace {

class TableTest : public ::testing::Test {
 protected:
  void OpenPeople(long rows) {
    fixture::MakePeople(dir.Path(), rows);
    table.DatabaseName = dir.Path();
    table.TableName = "People.DB";
    table.Open();
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (table.First(); !table.Eof(); table.Next())
      names.push_back(table.FieldByName("Name")->AsString());
    return names;
  }

  TempDir dir;
  TTable table;
};

TEST_F(TableTest, FieldsFollowTheTableDefinition) {
  OpenPeople(3);
  ASSERT_EQ(table.FieldCount(), 6);
  struct Expected {
    const char* name;
    TFieldType type;
    TAlignment alignment;
    const char* text;
  } expected[] = {
      {"Id", TFieldType::ftInteger, TAlignment::taRightJustify, "1"},
      {"Name", TFieldType::ftString, TAlignment::taLeftJustify, "Person 1"},
      {"Prof", TFieldType::ftSmallint, TAlignment::taRightJustify, "1"},
      {"Continent", TFieldType::ftSmallint, TAlignment::taRightJustify, "1"},
      {"Country", TFieldType::ftSmallint, TAlignment::taRightJustify, "1"},
      {"Pasport", TFieldType::ftString, TAlignment::taLeftJustify, "P-1"},
  };
  for (int i = 0; i < 6; ++i) {
    TField* field = table.Fields(i);
    EXPECT_EQ(field->FieldName, expected[i].name);
    EXPECT_EQ(field->DisplayLabel(), expected[i].name);
    EXPECT_EQ(field->DataType, expected[i].type) << expected[i].name;
    EXPECT_EQ(field->Alignment, expected[i].alignment) << expected[i].name;
    EXPECT_EQ(field->DisplayText(), expected[i].text) << expected[i].name;
  }
  EXPECT_EQ(table.FieldByName("name")->Size, 40);
  table.Close();
  EXPECT_EQ(table.FieldCount(), 0);  // default fields go with the open dataset
}

TEST_F(TableTest, NavigationAndItsEnds) {
  OpenPeople(3);
  EXPECT_TRUE(table.Bof());
  EXPECT_FALSE(table.Eof());
  table.Next();
  table.Next();
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 3);
  table.Next();
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 3);  // stays on the last record
  table.Prior();
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 2);
  table.Last();
  EXPECT_TRUE(table.Eof());
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 3);
  table.First();
  table.Prior();
  EXPECT_TRUE(table.Bof());
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 1);
}

TEST_F(TableTest, AMillionRowsAreWalkedWithoutLoadingThemAll) {
  OpenPeople(1000000);
  EXPECT_LE(table.RowsRead(), 256u);  // opening reads one batch
  long walked = 0;
  std::size_t characters = 0;
  for (table.First(); !table.Eof(); table.Next(), ++walked)
    for (int i = 0; i < table.FieldCount(); ++i)
      characters += table.Fields(i)->DisplayText().size();
  EXPECT_EQ(walked, 1000000);
  EXPECT_GT(characters, 0u);
  // Every row was read once (twice for the first batch), none ahead of the cursor.
  EXPECT_LE(table.RowsRead(), 1000000u + 512u);
  table.Last();
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 1000000);
}

TEST_F(TableTest, PostedChangesAreInTheFile) {
  OpenPeople(3);
  table.Next();
  table.Edit();
  table.FieldByName("Name")->SetAsString("Ren\xe9");  // ANSI "é"
  table.Post();
  table.Insert();
  table.FieldByName("Id")->SetAsInteger(4);
  table.FieldByName("Name")->SetAsString("Added");
  table.Post();
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 4);  // the posted record is current
  table.First();
  table.Delete();                                      // Person 1
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 2);  // the following record
  table.Edit();
  table.FieldByName("Name")->SetAsString("Not kept");
  table.Cancel();

  TTable other;
  other.DatabaseName = dir.Path();
  other.TableName = "People";
  other.Open();
  std::vector<std::string> names;
  for (; !other.Eof(); other.Next()) names.push_back(other.FieldByName("Name")->AsString());
  EXPECT_EQ(names, (std::vector<std::string>{"Ren\xe9", "Person 3", "Added"}));
  EXPECT_EQ(fixture::CountRows(dir.File("People.DB"), "People"), 3);
}

TEST_F(TableTest, BadValuesAreRefusedBeforeTheyReachTheFile) {
  OpenPeople(1);
  table.Edit();
  EXPECT_THROW(table.FieldByName("Prof")->SetAsInteger(70000), EDatabaseError);
  EXPECT_THROW(table.FieldByName("Id")->SetAsString("12x"), EDatabaseError);
  EXPECT_THROW(table.FieldByName("Name")->SetAsString(std::string(41, 'a')), EDatabaseError);
  table.Cancel();
  EXPECT_EQ(table.FieldByName("Prof")->AsInteger(), 1);
}

TEST_F(TableTest, BookmarksAndRecordsGoneBehindTheCursorsBack) {
  OpenPeople(5);
  table.Next();
  table.Next();  // Id 3
  TBookmark third = table.GetBookmark();
  table.Last();
  table.GotoBookmark(third);
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 3);

  fixture::Exec(dir.File("People.DB"), "DELETE FROM People WHERE Id = 3");
  EXPECT_THROW(table.GotoBookmark(third), EDatabaseError);  // exactly that record: gone
  table.InternalGotoBookmark(third);
  table.Resync(rmCenter);
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 4);  // the following one

  fixture::Exec(dir.File("People.DB"), "DELETE FROM People WHERE Id >= 4");
  table.InternalGotoBookmark(third);
  table.Resync(0);
  EXPECT_EQ(table.FieldByName("Id")->AsInteger(), 2);  // else the preceding one

  fixture::Exec(dir.File("People.DB"), "DELETE FROM People");
  table.Resync(0);
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_EQ(table.GetBookmark(), nullptr);
  table.FreeBookmark(third);
  table.FreeBookmark(nullptr);
}

TEST_F(TableTest, ControlsHearNothingWhileDisabled) {
  OpenPeople(10000);
  int notices = 0;
  for (auto signal : {&TDataSet::DataSetChanged, &TDataSet::Scrolled, &TDataSet::RecordChanged,
                      &TDataSet::StateChanged})
    QObject::connect(&table, signal, [&] { ++notices; });
  table.DisableControls();
  table.DisableControls();
  for (table.First(); !table.Eof(); table.Next()) {
  }
  table.EnableControls();
  EXPECT_EQ(notices, 0);
  table.EnableControls();
  EXPECT_EQ(notices, 1);   // one "everything changed" at the last EnableControls
  table.EnableControls();  // unmatched: nothing
  table.Next();
  EXPECT_EQ(notices, 1);  // at the end already
  table.Prior();
  EXPECT_EQ(notices, 2);
}

TEST_F(TableTest, PersistentFieldsBindByName) {
  fixture::MakePeople(dir.Path(), 2);
  TComponent form;
  TStringField name(&form, 40);
  name.FieldName = "NAME";
  name.SetDataSet(&table);
  TIntegerField id(&form);
  id.FieldName = "Id";
  id.SetDataSet(&table);
  table.DatabaseName = dir.Path();
  table.TableName = "People.DB";
  table.Open();
  ASSERT_EQ(table.FieldCount(), 2);
  EXPECT_EQ(table.Fields(0), &name);
  EXPECT_EQ(name.AsString(), "Person 1");
  EXPECT_EQ(id.AsInteger(), 1);
  table.Close();

  TStringField missing(&form, 10);
  missing.FieldName = "Nickname";
  missing.SetDataSet(&table);
  EXPECT_THROW(table.Open(), EDatabaseError);
  EXPECT_FALSE(table.Active());
}

// The child leaves without closing anything, as a crash would.
TEST_F(TableTest, PostIsDurableWhenItReturns) {
  OpenPeople(1);
  table.Close();
  const pid_t child = fork();
  if (child == 0) {
    TTable writer;
    writer.DatabaseName = dir.Path();
    writer.TableName = "People.DB";
    writer.Open();
    writer.Insert();
    writer.FieldByName("Id")->SetAsInteger(2);
    writer.Post();
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(fixture::CountRows(dir.File("People.DB"), "People"), 2);
}

TEST_F(TableTest, AKilledWriterLeavesTheTableWhole) {
  OpenPeople(100);
  table.Close();
  for (int round = 0; round < 5; ++round) {
    const pid_t child = fork();
    if (child == 0) {
      TTable writer;
      writer.DatabaseName = dir.Path();
      writer.TableName = "People.DB";
      writer.Open();
      for (long i = 0;; ++i) {  // edits, inserts and deletes until killed
        writer.Insert();
        writer.FieldByName("Id")->SetAsInteger(1000 + i);
        writer.Post();
        writer.First();
        writer.Delete();
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20 + 15 * round));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    // Each posted insert and each delete is whole: between the two there is one more row.
    const long count = fixture::CountRows(dir.File("People.DB"), "People");
    EXPECT_TRUE(count == 100 || count == 101) << round << ": " << count;
    TTable reader;
    reader.DatabaseName = dir.Path();
    reader.TableName = "People.DB";
    reader.Open();
    long rows = 0;
    for (; !reader.Eof(); reader.Next()) ++rows;
    EXPECT_EQ(rows, count);
    if (count == 101) {  // back to 100 for the next round
      reader.First();
      reader.Delete();
    }
  }
}

TEST_F(TableTest, ReadOnlyFolderBrowsesButRefusesPosting) {
  fixture::MakePeople(dir.Path(), 2);
  ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
  // Root writes anywhere: the check runs as an unprivileged user in a child process.
  EXPECT_EXIT(
      {
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        TTable reader;
        reader.DatabaseName = dir.Path();
        reader.TableName = "People.DB";
        reader.Open();
        if (reader.FieldByName("Name")->AsString() != "Person 1") _exit(3);
        reader.Edit();
        reader.FieldByName("Name")->SetAsString("Changed");
        try {
          reader.Post();
        } catch (const EDatabaseError& error) {
          std::fprintf(stderr, "%s\n", error.what());
          _exit(reader.State() == TDataSetState::dsEdit ? 0 : 4);
        }
        _exit(5);
      },
      ::testing::ExitedWithCode(0), "Cannot update table People.DB: .*readonly");
  chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(fixture::CountRows(dir.File("People.DB"), "People"), 2);
}

}  // namespace
