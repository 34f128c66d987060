#include <gtest/gtest.h>

#include "db/PeopleFixture.h"
#include "platform/db/Query.h"
#include "platform/db/Table.h"

namespace {

class QueryTest : public ::testing::Test {
 protected:
  QueryTest() {
    fixture::MakePeople(dir.Path(), 6);
    fixture::Exec(dir.File("Prof.DB"),
                  "CREATE TABLE Prof (Code SMALLINT, Title VARCHAR(20));"
                  "INSERT INTO Prof VALUES (1, 'Baker'), (2, 'Pilot'), (3, 'Nurse');");
    query.DatabaseName = dir.Path();
  }
  TempDir dir;
  TQuery query;
};

TEST_F(QueryTest, JoinsTableFilesOfTheFolderByName) {
  query.SQL = "SELECT p.Name, f.Title FROM People p JOIN Prof f ON f.Code = p.Prof ORDER BY p.Id";
  query.Open();
  std::vector<std::string> rows;
  for (; !query.Eof(); query.Next())
    rows.push_back(query.FieldByName("Name")->AsString() + "/" + query.Fields(1)->AsString());
  EXPECT_EQ(rows, (std::vector<std::string>{"Person 1/Baker", "Person 2/Pilot", "Person 3/Nurse"}));
  EXPECT_EQ(query.FieldByName("Title")->Size, 20);
  query.setObjectName("Query1");
  try {
    query.Edit();
    ADD_FAILURE() << "a query result was edited";
  } catch (const EDatabaseError& error) {
    EXPECT_STREQ(error.what(), "Query1: Cannot modify a read-only dataset");
  }
}

TEST_F(QueryTest, ParametersComeFromTheMasterDataSet) {
  TTable people;
  people.DatabaseName = dir.Path();
  people.TableName = "People.DB";
  people.Open();
  people.Next();  // Prof 2
  TDataSource source;
  source.SetDataSet(&people);
  query.SQL = "SELECT Title FROM Prof WHERE Code = :Prof";
  query.SetDataSource(&source);
  query.Open();
  EXPECT_EQ(query.FieldByName("Title")->AsString(), "Pilot");
}

TEST_F(QueryTest, BookmarkOfARowThatWentAway) {
  query.SQL = "SELECT Id FROM People ORDER BY Id";
  query.Open();
  query.Next();
  query.Next();  // Id 3, the third row
  TBookmark third = query.GetBookmark();
  fixture::Exec(dir.File("People.DB"), "DELETE FROM People WHERE Id IN (1, 3)");
  query.Close();
  query.Open();
  query.InternalGotoBookmark(third);
  query.Resync(rmCenter);
  EXPECT_EQ(query.FieldByName("Id")->AsInteger(), 5);  // what now stands at the third row
  query.FreeBookmark(third);
}

TEST_F(QueryTest, BadSqlIsADatabaseError) {
  query.SQL = "SELECT nothing FROM Nowhere";
  EXPECT_THROW(query.Open(), EDatabaseError);
  EXPECT_FALSE(query.Active());
}

}  // namespace
