#include "platform/forms/DBGrid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <algorithm>

#include "platform/system/CodePage.h"

TDataSetModel::TDataSetModel(QObject* parent) : QAbstractTableModel(parent) {}

void TDataSetModel::SetDataSource(TDataSource* source) {
  if (source_) disconnect(source_, nullptr, this, nullptr);
  source_ = source;
  if (source_) connect(source_, &TDataSource::DataSetReplaced, this, [this] { Connect(); });
  Connect();
}

TDataSet* TDataSetModel::DataSet() const {
  return source_ ? source_->DataSet() : nullptr;
}

void TDataSetModel::Connect() {
  for (const auto& connection : connections_) disconnect(connection);
  connections_.clear();
  connected_ = DataSet();
  if (connected_) {
    connections_.push_back(
        connect(connected_, &TDataSet::DataSetChanged, this, [this] { Reset(); }));
    connections_.push_back(connect(connected_, &TDataSet::StateChanged, this, [this] { Reset(); }));
    connections_.push_back(connect(connected_, &TDataSet::Scrolled, this, [this] {
      UpdateCurrentRow();
      emit CurrentRowChanged(currentRow_);
    }));
    connections_.push_back(connect(connected_, &TDataSet::RecordChanged, this, [this] {
      const int row = CurrentRow();
      if (row >= 0) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }));
  }
  Reset();
}

void TDataSetModel::Reset() {
  beginResetModel();
  cache_.clear();
  TDataSet* dataSet = DataSet();
  rows_ = 0;
  if (dataSet && dataSet->Active()) {
    try {
      const int64_t count = dataSet->RecordCount();
      const bool inserting = dataSet->State() == TDataSetState::dsInsert;
      rows_ = static_cast<int>(std::min<int64_t>(count + (inserting ? 1 : 0), INT32_MAX));
    } catch (const std::exception&) {
      rows_ = 0;  // a table that cannot be read shows empty
    }
  }
  UpdateCurrentRow();
  endResetModel();
  emit CurrentRowChanged(currentRow_);
}

void TDataSetModel::UpdateCurrentRow() {
  TDataSet* dataSet = DataSet();
  currentRow_ = -1;
  if (!dataSet || !dataSet->Active()) return;
  try {
    const int64_t row = dataSet->RecNo();
    currentRow_ = row < rows_ ? static_cast<int>(row) : rows_ - 1;
  } catch (const std::exception&) {
    currentRow_ = -1;
  }
}

int TDataSetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int TDataSetModel::columnCount(const QModelIndex& parent) const {
  TDataSet* dataSet = DataSet();
  return parent.isValid() || !dataSet ? 0 : dataSet->FieldCount();
}

TField* TDataSetModel::Field(int column) const {
  TDataSet* dataSet = DataSet();
  return dataSet ? dataSet->Fields(column) : nullptr;
}

const TRecord* TDataSetModel::Row(int row) const {
  TDataSet* dataSet = DataSet();
  if (!dataSet || !dataSet->Active()) return nullptr;
  // The record being edited or inserted shows its edit buffer.
  if (dataSet->State() != TDataSetState::dsBrowse && row == CurrentRow())
    return &dataSet->ActiveRecord();
  if (row < cacheFirst_ || row >= cacheFirst_ + static_cast<int64_t>(cache_.size())) {
    cacheFirst_ = std::max<int64_t>(0, row - kBlock / 4);
    try {
      dataSet->ReadRecords(cacheFirst_, kBlock, cache_);
    } catch (const std::exception&) {
      cache_.clear();
    }
  }
  const int64_t offset = row - cacheFirst_;
  return offset >= 0 && offset < static_cast<int64_t>(cache_.size()) ? &cache_[offset] : nullptr;
}

QVariant TDataSetModel::data(const QModelIndex& index, int role) const {
  TField* field = Field(index.column());
  if (!field) return {};
  if (role == Qt::TextAlignmentRole) {
    const Qt::Alignment horizontal = field->Alignment == TAlignment::taRightJustify ? Qt::AlignRight
                                     : field->Alignment == TAlignment::taCenter ? Qt::AlignHCenter
                                                                                : Qt::AlignLeft;
    return QVariant::fromValue(horizontal | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return {};
  const TRecord* record = Row(index.row());
  return record ? UnicodeFromAnsi(field->DisplayTextOf(*record)) : QVariant();
}

QVariant TDataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (role == Qt::DisplayRole && section == CurrentRow()) return QStringLiteral("\u25B8");
    return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
  }
  TField* field = Field(section);
  if (!field) return {};
  if (role == Qt::DisplayRole) return UnicodeFromAnsi(field->DisplayLabel());
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  return {};
}

// The grid.

TDBGrid::TDBGrid(QWidget* parent) : QTableView(parent) {
  setModel(&model_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setWordWrap(false);
  horizontalHeader()->setSectionsMovable(true);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setFixedWidth(12);
  connect(&model_, &QAbstractItemModel::modelReset, this, [this] { ApplyDefaultWidths(); });
  connect(&model_, &TDataSetModel::CurrentRowChanged, this,
          [this](int row) { FollowDataSet(row); });
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            TDataSet* dataSet = model_.DataSet();
            if (following_ || !current.isValid() || !dataSet || !dataSet->Active()) return;
            if (current.row() != model_.CurrentRow()) dataSet->SetRecNo(current.row());
          });
}

void TDBGrid::SetDataSource(TDataSource* source) {
  source_ = source;
  model_.SetDataSource(source);
}

QFont TDBGrid::TitleFont() const {
  return horizontalHeader()->font();
}
void TDBGrid::SetTitleFont(const QFont& font) {
  horizontalHeader()->setFont(font);
}

// Default widths: the field's display width in "0" characters of the grid's font, at least
// its title, and a little room.
void TDBGrid::ApplyDefaultWidths() {
  const QFontMetrics cells(font());
  const QFontMetrics titles(TitleFont());
  verticalHeader()->setDefaultSectionSize(cells.height() + 4);
  for (int column = 0; column < model_.columnCount(); ++column) {
    TField* field = model_.Field(column);
    if (!field) continue;
    const int width =
        std::max(field->DisplayWidth * cells.horizontalAdvance('0'),
                 titles.horizontalAdvance(
                     model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()));
    horizontalHeader()->resizeSection(column, width + 4);
  }
}

void TDBGrid::FollowDataSet(int row) {
  following_ = true;
  if (row >= 0) {
    const QModelIndex current = currentIndex();
    setCurrentIndex(model_.index(row, current.isValid() ? current.column() : 0));
    scrollTo(model_.index(row, 0));
  } else {
    clearSelection();
  }
  model_.headerDataChanged(Qt::Vertical, 0, std::max(0, model_.rowCount() - 1));
  following_ = false;
}

int TDBGrid::ColumnCount() const {
  return model_.columnCount();
}

TColumn TDBGrid::Columns(int index) const {
  const QHeaderView* header = horizontalHeader();
  const int logical = header->logicalIndex(index);
  TColumn column;
  column.Field = model_.Field(logical);
  column.Width = header->sectionSize(logical);
  if (column.Field) {
    column.Title = column.Field->DisplayLabel();
    column.Alignment = column.Field->Alignment;
  }
  return column;
}
