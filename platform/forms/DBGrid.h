#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>
#include <string>
#include <vector>

#include "platform/db/DataSource.h"

// The rows of a dataset for a view, read in blocks as they are shown, never all at once. It
// follows the dataset's signals, which DisableControls holds back.
class TDataSetModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TDataSetModel(QObject* parent = nullptr);
  void SetDataSource(TDataSource* source);
  TDataSet* DataSet() const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  TField* Field(int column) const;
  // The row of the dataset's current record, as last told by the dataset; -1 when none.
  int CurrentRow() const { return currentRow_; }

 signals:
  void CurrentRowChanged(int row);

 private:
  static constexpr int kBlock = 128;
  void Reset();
  void Connect();
  void UpdateCurrentRow();
  const TRecord* Row(int row) const;

  QPointer<TDataSource> source_;
  QPointer<TDataSet> connected_;
  std::vector<QMetaObject::Connection> connections_;
  int rows_ = 0;
  int currentRow_ = -1;
  mutable int64_t cacheFirst_ = 0;
  mutable std::vector<TRecord> cache_;
};

// A column of the grid as it is shown now: in the order and width the user left it.
struct TColumn {
  int Width = 0;  // pixels
  std::string Title;
  TAlignment Alignment = TAlignment::taLeftJustify;
  TField* Field = nullptr;
};

// The data grid: one column per field of the dataset, titled with the field's label and as wide
// as its display width; columns can be moved and resized; cells take no typing.
class TDBGrid : public QTableView {
  Q_OBJECT
  Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)

 public:
  explicit TDBGrid(QWidget* parent = nullptr);

  TDataSource* DataSource() const { return source_; }
  void SetDataSource(TDataSource* source);
  bool ReadOnly = true;
  QFont TitleFont() const;
  void SetTitleFont(const QFont& font);

  int ColumnCount() const;
  TColumn Columns(int index) const;  // in the order shown

  TDataSetModel* Model() { return &model_; }

 private:
  void ApplyDefaultWidths();
  void FollowDataSet(int row);

  QPointer<TDataSource> source_;
  TDataSetModel model_;
  bool following_ = false;
};
