#pragma once

#include <QPointer>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/DBDataSet.h"
#include "platform/db/DataSource.h"
#include "platform/db/Sqlite.h"

// A table file of the database's folder, in row order. Rows are read in small batches as the
// cursor moves, never all at once; each posted change is one SQLite transaction, durable when
// Post or Delete returns.
class TTable : public TDBDataSet {
  Q_OBJECT
  Q_PROPERTY(TDataSource* MasterSource READ MasterSource WRITE SetMasterSource)

 public:
  explicit TTable(QObject* owner = nullptr);
  ~TTable() override;

  std::string TableName;  // "People.DB"
  TDataSource* MasterSource() const { return masterSource_; }
  void SetMasterSource(TDataSource* source) { masterSource_ = source; }

  // Creates the (new) table file of TableName in the database's folder.
  void CreateTable(const std::vector<TFieldDef>& fields);

  // Many posts as one transaction (a bulk load, say): durable at Commit, gone at Rollback.
  void StartTransaction();
  void Commit();
  void Rollback();

  TValue Lookup(const std::string& keyField, const TValue& key,
                const std::string& resultField) override;

 protected:
  std::vector<TFieldDef> OpenCursor() override;
  void CloseCursor() override;
  bool CursorFirst(TRecord& record) override;
  bool CursorLast(TRecord& record) override;
  bool CursorNext(TRecord& record) override;
  bool CursorPrior(TRecord& record) override;
  bool CursorCurrent(TRecord& record) override;
  int64_t CursorPosition() const override { return rowid_; }
  void CursorSeek(const TBookmarkData& bookmark) override;
  bool CanModify() const override { return true; }
  void CursorPost(TRecord& record, bool inserting) override;
  bool CursorDelete(TRecord& now) override;
  void CursorRefresh() override { DropBatch(); }
  int64_t CursorRecordCount() override;
  int64_t CursorIndex() override;
  void CursorReadRange(int64_t first, int64_t count, std::vector<TRecord>& records) override;
  bool CursorGotoIndex(int64_t index, TRecord& record) override;

 private:
  static constexpr std::size_t kBatch = 256;

  // Reads the rows after `after` into the batch; false when there are none.
  bool FillBatch(int64_t after);
  void DropBatch();
  // Steps a one-row statement; on a row, the cursor moves there and its values are read.
  bool ReadOne(sqlite3_stmt* stmt, TRecord& record);
  void Write(sqlite3_stmt* stmt, const char* what);
  std::string Where() const;

  QPointer<TDataSource> masterSource_;
  sqlite3* db_ = nullptr;
  std::string table_;
  std::vector<TFieldDef> columns_;
  sqlitedb::TStatement forward_, backward_, last_, current_, update_, insert_, delete_;
  sqlitedb::TStatement count_, index_, range_, atIndex_;
  int64_t rowid_ = 0;  // the cursor: the row id it stands on (the row may be gone)
  std::vector<std::pair<int64_t, TRecord>> batch_;  // rows following the one before batchNext_
  std::size_t batchNext_ = 0;
  std::size_t batchSize_ = 0;
};
