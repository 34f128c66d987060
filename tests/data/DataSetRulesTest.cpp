// Which datasets of a form are opened or refreshed, in which order, and how a refreshed query
// comes back to its record.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "data/BoundControl.h"
#include "data/QorDB.h"
#include "db/PeopleFixture.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"

namespace {

class RulesTest : public ::testing::Test {
 protected:
  RulesTest() { fixture::MakePeople(dir.Path(), 6); }

  TTable* Table(int32_t tag, const char* name = "T") {
    auto* table = new TTable(&form);
    table->setObjectName(name);
    table->DatabaseName = dir.Path();
    table->TableName = "People.DB";
    table->SetTag(tag);
    return table;
  }
  TQuery* Query(int32_t tag, const std::string& sql, TDataSource* params = nullptr) {
    auto* query = new TQuery(&form);
    query->DatabaseName = dir.Path();
    query->SQL = sql;
    query->SetDataSource(params);
    query->SetTag(tag);
    return query;
  }
  TDataSource* Source(TDataSet* dataSet) {
    auto* source = new TDataSource(&form);
    source->SetDataSet(dataSet);
    return source;
  }
  // A control of the form shows the dataset.
  TDataSource* Show(TDataSet* dataSet) {
    TDataSource* source = Source(dataSet);
    new TBoundControl(&form, source);
    return source;
  }

  TempDir dir;
  TForm form;
};

TEST(TagRule, TensDigitWithTruncatingArithmetic) {
  const std::pair<int32_t, int32_t> cases[] = {{99, 9},   {89, 8},   {1090, 9}, {9, 0},
                                               {-98, -9}, {-80, -8}, {1389, 8}, {INT32_MIN, -4}};
  for (const auto& [tag, digit] : cases) EXPECT_EQ(TensDigit(tag), digit) << tag;
}

TEST_F(RulesTest, OpenOrRefreshByTag) {
  struct Case {
    int32_t tag;
    bool open;
    TDataSetState state;
    bool force;
    bool expectOpen, expectRefresh;
  } cases[] = {
      {80, false, TDataSetState::dsInactive, false, false, false},
      {1389, false, TDataSetState::dsInactive, false, false, false},
      {80, false, TDataSetState::dsInactive, true, true, false},
      {0, false, TDataSetState::dsInactive, false, true, false},
      {9, false, TDataSetState::dsInactive, false, true, false},
      {-80, false, TDataSetState::dsInactive, false, true, false},
      {90, true, TDataSetState::dsBrowse, false, true, true},
      {90, true, TDataSetState::dsEdit, false, true, false},
      {90, true, TDataSetState::dsInsert, false, true, false},
      {90, true, TDataSetState::dsEdit, true, true, true},
      {0, true, TDataSetState::dsBrowse, false, true, false},
      {89, true, TDataSetState::dsBrowse, false, true, false},
      {0, true, TDataSetState::dsBrowse, true, true, true},
  };
  for (const Case& c : cases) {
    TForm one;
    auto* table = new TTable(&one);
    table->DatabaseName = dir.Path();
    table->TableName = "People.DB";
    table->SetTag(c.tag);
    auto* source = new TDataSource(&one);
    source->SetDataSet(table);
    new TBoundControl(&one, source);
    if (c.open) table->Open();
    if (c.state == TDataSetState::dsEdit) table->Edit();
    if (c.state == TDataSetState::dsInsert) table->Insert();
    const uint64_t before = table->RowsRead();
    PrepareFormDataSets(&one, c.force);
    const std::string what = "Tag " + std::to_string(c.tag) + (c.open ? " open" : " closed") +
                             (c.force ? " forced" : "");
    EXPECT_EQ(table->Active(), c.expectOpen) << what;
    if (c.open) {
      EXPECT_EQ(table->RowsRead() > before, c.expectRefresh) << what;
    }
  }
}

TEST_F(RulesTest, ListSourcesAndLookupsComeFirstAndAreOpenedFirst) {
  TTable* d = Table(0, "D");
  TTable* k = Table(0, "K");
  TTable* l = Table(0, "L");
  auto* id = new TIntegerField(&form);
  id->FieldName = "Id";
  id->SetDataSet(d);
  auto* lookup = new TStringField(&form, 40);
  lookup->FieldName = "ProfName";
  lookup->FieldKind = TFieldKind::fkLookup;
  lookup->LookupDataSet = k;
  lookup->SetDataSet(d);
  TDataSource* dSource = Show(d);                // the grid
  new TBoundControl(&form, dSource, Source(l));  // the lookup box
  new TLowerCaseControl(&form, dSource);         // bound again, under another spelling

  std::vector<TDataSet*> list;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    const auto [data, listSet] = GetBoundDataSets(form.Components(i));
    AddDataSet(list, listSet, true);
    AddDataSet(list, data, false);
  }
  EXPECT_EQ(list, (std::vector<TDataSet*>{l, k, d}));

  std::vector<std::string> opened;
  for (TDataSet* dataSet : {d, k, l})
    QObject::connect(dataSet, &TDataSet::DataSetChanged,
                     [&opened, dataSet] { opened.push_back(dataSet->objectName().toStdString()); });
  PrepareFormDataSets(&form, false);
  EXPECT_EQ(opened, (std::vector<std::string>{"L", "K", "D"}));
}

TEST_F(RulesTest, DetailsWaitForMastersThatAreRefreshed) {
  struct Case {
    const char* what;
    int32_t masterTag;
    bool masterIsQuery;
    bool detailIsQuery;
    bool masterRefreshed, detailRefreshed;
  } cases[] = {
      {"query on a query, both 90", 90, true, true, true, false},
      {"query on a query with Tag 0", 0, true, true, false, true},
      {"table with MasterSource on a query", 90, true, false, true, false},
      {"table with MasterSource on a table", 90, false, false, true, true},
      {"query on a table", 90, false, true, true, false},
  };
  for (const Case& c : cases) {
    TForm one;
    form.setObjectName("unused");
    auto make = [&](bool query, int32_t tag, TDataSource* master) -> TDataSet* {
      if (query) {
        auto* q = new TQuery(&one);
        q->DatabaseName = dir.Path();
        q->SQL = master ? "SELECT * FROM People WHERE Id >= :Id ORDER BY Id"
                        : "SELECT * FROM People ORDER BY Id";
        q->SetDataSource(master);
        q->SetTag(tag);
        return q;
      }
      auto* t = new TTable(&one);
      t->DatabaseName = dir.Path();
      t->TableName = "People.DB";
      t->SetMasterSource(master);
      t->SetTag(tag);
      return t;
    };
    TDataSet* master = make(c.masterIsQuery, c.masterTag, nullptr);
    auto* masterSource = new TDataSource(&one);
    masterSource->SetDataSet(master);
    TDataSet* detail = make(c.detailIsQuery, 90, masterSource);
    auto* detailSource = new TDataSource(&one);
    detailSource->SetDataSet(detail);
    new TBoundControl(&one, masterSource);
    new TBoundControl(&one, detailSource);
    master->Open();
    master->Next();
    master->Next();  // Id 3
    detail->Open();
    const uint64_t masterBefore = master->RowsRead(), detailBefore = detail->RowsRead();
    PrepareFormDataSets(&one, false);
    EXPECT_EQ(master->RowsRead() > masterBefore, c.masterRefreshed) << c.what;
    EXPECT_EQ(detail->RowsRead() > detailBefore, c.detailRefreshed) << c.what;
    EXPECT_EQ(master->FieldByName("Id")->AsInteger(), 3) << c.what;  // back on its record
  }
}

TEST_F(RulesTest, RefreshedQueryFindsItsRecordOrANeighbour) {
  TQuery* query = Query(90, "SELECT Id, Name FROM People ORDER BY Id");
  Show(query);
  query->Open();
  int changes = 0, scrolls = 0;
  QObject::connect(query, &TDataSet::DataSetChanged, [&] { ++changes; });
  QObject::connect(query, &TDataSet::Scrolled, [&] { ++scrolls; });
  auto idAfterRefresh = [&](const std::string& sql) {
    if (!sql.empty()) fixture::Exec(dir.File("People.DB"), sql);
    PrepareFormDataSets(&form, false);
    return query->IsEmpty() ? -1 : query->FieldByName("Id")->AsInteger();
  };
  query->Next();
  query->Next();  // Id 3
  changes = scrolls = 0;
  EXPECT_EQ(idAfterRefresh("UPDATE People SET Name = 'x' WHERE Id = 1"), 3);
  EXPECT_EQ(changes, 1);  // the controls heard once, after the record was found again
  EXPECT_EQ(scrolls, 0);
  EXPECT_EQ(idAfterRefresh("DELETE FROM People WHERE Id = 3"), 4);  // the following one
  query->Last();                                                    // Id 6
  EXPECT_EQ(idAfterRefresh("DELETE FROM People WHERE Id = 6"), 5);  // else the preceding one
  EXPECT_EQ(idAfterRefresh("DELETE FROM People"), -1);
  EXPECT_TRUE(query->Active());
  EXPECT_EQ(idAfterRefresh("INSERT INTO People (Id) VALUES (8), (9)"), 8);  // was empty: first
}

TEST_F(RulesTest, NothingToDoWithoutAFormOrBoundControls) {
  PrepareFormDataSets(nullptr, true);  // no active form in this test
  TTable* lonely = Table(0);
  PrepareFormDataSets(&form, true);
  EXPECT_FALSE(lonely->Active());
}

TEST_F(RulesTest, PublishedObjectsByNameWithoutCase) {
  TTable* table = Table(0);
  TDataSource* source = Source(table);
  auto* control = new TBoundControl(&form, source);
  EXPECT_EQ(GetPublishedObject(control, "datasource"), source);
  EXPECT_EQ(GetPublishedObject(control, "LISTSOURCE"), nullptr);  // holds none
  EXPECT_EQ(GetPublishedObject(control, "Caption"), nullptr);     // no such property
  EXPECT_EQ(GetPublishedObject(nullptr, "DataSource"), nullptr);
  using Bound = std::pair<TDataSet*, TDataSet*>;
  EXPECT_EQ(GetBoundDataSets(control), Bound(table, nullptr));
  EXPECT_EQ(GetBoundDataSets(table), Bound(nullptr, nullptr));
}

}  // namespace
