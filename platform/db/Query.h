#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "platform/db/DBDataSet.h"
#include "platform/db/DataSource.h"

// SQL over the table files of the database's folder: a table is named by its file name without
// extension (SELECT * FROM People). Parameters (:Name) take the values of the same-named fields
// of the dataset behind DataSource. The result is read when the query opens and is read-only.
class TQuery : public TDBDataSet {
  Q_OBJECT
  Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)

 public:
  explicit TQuery(QObject* owner = nullptr);
  ~TQuery() override;

  std::string SQL;
  TDataSource* DataSource() const { return dataSource_; }
  void SetDataSource(TDataSource* source) { dataSource_ = source; }

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
  int64_t CursorPosition() const override { return index_; }
  void CursorSeek(const TBookmarkData& bookmark) override;
  int64_t CursorRecordCount() override { return static_cast<int64_t>(rows_.size()); }
  int64_t CursorIndex() override { return index_; }
  void CursorReadRange(int64_t first, int64_t count, std::vector<TRecord>& records) override;
  bool CursorGotoIndex(int64_t index, TRecord& record) override { return At(index, record); }

 private:
  bool At(int64_t index, TRecord& record);

  QPointer<TDataSource> dataSource_;
  std::vector<TRecord> rows_;
  int64_t index_ = 0;  // the cursor: a row number, which may be past the last row
};
