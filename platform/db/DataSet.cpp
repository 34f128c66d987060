#include "platform/db/DataSet.h"

#include <QString>

TDataSet::TDataSet(QObject* owner) : TComponent(owner) {}

std::string TDataSet::Prefix() const {
  return objectName().isEmpty() ? std::string() : objectName().toStdString() + ": ";
}

TDataSet::~TDataSet() {
  // Engines close their cursors in their own destructors; here only the fields are let go.
  for (TField* field : persistent_) field->Bind(-1);
  FreeDefaultFields();
}

void TDataSet::SetActive(bool active) {
  if (active)
    Open();
  else
    Close();
}

void TDataSet::Open() {
  if (Active()) return;
  const std::vector<TFieldDef> columns = OpenCursor();
  try {
    BindFields(columns);
    hasRecord_ = CursorFirst(record_);
  } catch (...) {
    FreeDefaultFields();
    CloseCursor();
    throw;
  }
  bof_ = true;
  eof_ = !hasRecord_;
  modified_ = false;
  SetState(TDataSetState::dsBrowse);
  Notify(Change::Data);
}

void TDataSet::Close() {
  if (!Active()) return;
  CloseCursor();
  hasRecord_ = false;
  eof_ = bof_ = true;
  modified_ = false;
  record_.clear();
  for (TField* field : persistent_) field->Bind(-1);
  FreeDefaultFields();
  fields_.clear();
  SetState(TDataSetState::dsInactive);
  Notify(Change::Data);
}

// Persistent fields, when a form declares them, are the dataset's only fields, each bound to its
// column by name; otherwise a field is made for every column.
void TDataSet::BindFields(const std::vector<TFieldDef>& columns) {
  fields_.clear();
  auto columnOf = [&](const std::string& name) {
    for (std::size_t i = 0; i < columns.size(); ++i)
      if (QString::fromStdString(columns[i].Name)
              .compare(QString::fromStdString(name), Qt::CaseInsensitive) == 0)
        return static_cast<int>(i);
    return -1;
  };
  if (persistent_.empty()) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      TField* field = CreateField(this, columns[i]);
      defaults_.push_back(field);
      field->SetDataSet(this);
      field->Bind(static_cast<int>(i));
    }
    fields_ = defaults_;
    return;
  }
  for (TField* field : persistent_) {
    if (field->FieldKind == TFieldKind::fkLookup) {
      field->Bind(-1);
    } else {
      const int column = columnOf(field->FieldName);
      if (column < 0) throw EDatabaseError(Prefix() + "Field '" + field->FieldName + "' not found");
      field->Bind(column);
    }
    fields_.push_back(field);
  }
}

void TDataSet::FreeDefaultFields() {
  std::vector<TField*> fields;
  fields.swap(defaults_);
  for (TField* field : fields) {
    field->SetDataSet(nullptr);
    delete field;
  }
}

void TDataSet::AttachField(TField* field) {
  if (std::find(defaults_.begin(), defaults_.end(), field) != defaults_.end()) return;
  persistent_.push_back(field);
  if (Active()) fields_.push_back(field);
}

void TDataSet::DetachField(TField* field) {
  persistent_.erase(std::remove(persistent_.begin(), persistent_.end(), field), persistent_.end());
  fields_.erase(std::remove(fields_.begin(), fields_.end(), field), fields_.end());
}

TField* TDataSet::Fields(int index) const {
  return index >= 0 && index < FieldCount() ? FieldList()[static_cast<std::size_t>(index)]
                                            : nullptr;
}

TField* TDataSet::FindField(const std::string& name) const {
  const QString wanted = QString::fromStdString(name);
  for (TField* field : FieldList())
    if (wanted.compare(QString::fromStdString(field->FieldName), Qt::CaseInsensitive) == 0)
      return field;
  return nullptr;
}

TField* TDataSet::FieldByName(const std::string& name) const {
  if (TField* field = FindField(name)) return field;
  throw EDatabaseError(Prefix() + "Field '" + name + "' not found");
}

void TDataSet::CheckActive() const {
  if (!Active())
    throw EDatabaseError(Prefix() + "Cannot perform this operation on a closed dataset");
}

void TDataSet::CheckEditable() const {
  CheckActive();
  if (!CanModify()) throw EDatabaseError(Prefix() + "Cannot modify a read-only dataset");
}

void TDataSet::DoBeforeScroll() {
  if (BeforeScroll) BeforeScroll(this);
}

void TDataSet::DoAfterScroll() {
  if (AfterScroll) AfterScroll(this);
}

void TDataSet::Move(bool (TDataSet::*step)(TRecord&), bool toEnd) {
  CheckBrowseMode();
  DoBeforeScroll();
  if ((this->*step)(scratch_)) {
    record_.swap(scratch_);
    hasRecord_ = true;
    (toEnd ? bof_ : eof_) = false;
    (toEnd ? eof_ : bof_) = false;
  } else {
    (toEnd ? eof_ : bof_) = true;
  }
  Notify(Change::Scroll);
  DoAfterScroll();
}

void TDataSet::First() {
  CheckBrowseMode();
  DoBeforeScroll();
  hasRecord_ = CursorFirst(record_);
  bof_ = true;
  eof_ = !hasRecord_;
  Notify(Change::Scroll);
  DoAfterScroll();
}

void TDataSet::Last() {
  CheckBrowseMode();
  DoBeforeScroll();
  hasRecord_ = CursorLast(record_);
  eof_ = true;
  bof_ = !hasRecord_;
  Notify(Change::Scroll);
  DoAfterScroll();
}

void TDataSet::Next() {
  CheckActive();
  if (eof_) return;
  Move(&TDataSet::CursorNext, true);
}

void TDataSet::Prior() {
  CheckActive();
  if (bof_) return;
  Move(&TDataSet::CursorPrior, false);
}

void TDataSet::Insert() {
  CheckEditable();
  CheckBrowseMode();
  DoBeforeScroll();
  saved_ = record_;
  savedHasRecord_ = hasRecord_;
  record_.assign(std::max<std::size_t>(record_.size(), static_cast<std::size_t>(FieldCount())),
                 TValue{});
  for (TField* field : fields_)
    if (field->Index() >= static_cast<int>(record_.size())) record_.resize(field->Index() + 1);
  modified_ = false;
  SetState(TDataSetState::dsInsert);
  Notify(Change::Record);
  DoAfterScroll();
}

void TDataSet::Append() {
  Insert();
}

void TDataSet::Edit() {
  CheckEditable();
  if (state_ == TDataSetState::dsEdit || state_ == TDataSetState::dsInsert) return;
  if (!hasRecord_) return Insert();
  saved_ = record_;
  savedHasRecord_ = hasRecord_;
  modified_ = false;
  SetState(TDataSetState::dsEdit);
}

void TDataSet::SetFieldValue(int index, TValue value) {
  if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert)
    throw EDatabaseError(Prefix() + "Dataset not in edit or insert mode");
  if (static_cast<std::size_t>(index) >= record_.size()) record_.resize(index + 1);
  record_[index] = std::move(value);
  modified_ = true;
  Notify(Change::Record);
}

// A record that cannot be written stays in the edit buffer, still in edit or insert state.
void TDataSet::Post() {
  if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) return;
  CursorPost(record_, state_ == TDataSetState::dsInsert);
  hasRecord_ = true;
  eof_ = bof_ = false;
  modified_ = false;
  SetState(TDataSetState::dsBrowse);
  Notify(Change::Data);
}

void TDataSet::Cancel() {
  if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) return;
  record_ = saved_;
  hasRecord_ = savedHasRecord_;
  modified_ = false;
  SetState(TDataSetState::dsBrowse);
  Notify(Change::Data);
}

void TDataSet::Delete() {
  CheckEditable();
  if (state_ == TDataSetState::dsInsert) return Cancel();
  if (state_ == TDataSetState::dsEdit) Cancel();
  if (!hasRecord_)
    throw EDatabaseError(Prefix() + "Cannot perform this operation on an empty dataset");
  DoBeforeScroll();
  hasRecord_ = CursorDelete(record_);
  eof_ = bof_ = !hasRecord_;
  Notify(Change::Data);
  DoAfterScroll();
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  if (state_ != TDataSetState::dsEdit && state_ != TDataSetState::dsInsert) return;
  if (modified_)
    Post();
  else
    Cancel();
}

void TDataSet::Refresh() {
  CheckBrowseMode();
  CursorRefresh();
  Resync(0);
}

void TDataSet::Resync(TResyncMode mode) {
  CheckActive();
  if (CursorCurrent(scratch_)) {
    record_.swap(scratch_);
    hasRecord_ = true;
  } else if (mode & rmExact) {
    throw EDatabaseError(Prefix() + "Record not found");
  } else if (CursorNext(scratch_) || CursorPrior(scratch_)) {
    record_.swap(scratch_);
    hasRecord_ = true;
  } else {
    hasRecord_ = false;
  }
  eof_ = bof_ = !hasRecord_;
  Notify(Change::Data);
}

int64_t TDataSet::RecordCount() {
  return Active() ? CursorRecordCount() : 0;
}

int64_t TDataSet::RecNo() {
  if (!Active() || !hasRecord_) return -1;
  if (state_ == TDataSetState::dsInsert) return savedHasRecord_ ? CursorIndex() : 0;
  return CursorIndex();
}

void TDataSet::ReadRecords(int64_t first, int64_t count, std::vector<TRecord>& records) {
  records.clear();
  if (Active() && count > 0 && first >= 0) CursorReadRange(first, count, records);
}

void TDataSet::SetRecNo(int64_t index) {
  CheckBrowseMode();
  DoBeforeScroll();
  if (CursorGotoIndex(index, scratch_)) {
    record_.swap(scratch_);
    hasRecord_ = true;
    bof_ = eof_ = false;
  }
  Notify(Change::Scroll);
  DoAfterScroll();
}

TBookmark TDataSet::GetBookmark() {
  if (!Active() || !hasRecord_) return nullptr;
  return new TBookmarkData{CursorPosition(), record_};
}

void TDataSet::GotoBookmark(TBookmark bookmark) {
  if (!bookmark) return;
  CheckBrowseMode();
  DoBeforeScroll();
  InternalGotoBookmark(bookmark);
  Resync(rmExact | rmCenter);
  DoAfterScroll();
}

void TDataSet::InternalGotoBookmark(TBookmark bookmark) {
  CheckActive();
  CursorSeek(*bookmark);
}

void TDataSet::FreeBookmark(TBookmark bookmark) {
  delete bookmark;
}

void TDataSet::DisableControls() {
  ++disableCount_;
}

void TDataSet::EnableControls() {
  if (disableCount_ == 0) return;
  if (--disableCount_ == 0 && changedWhileDisabled_) {
    changedWhileDisabled_ = false;
    emit DataSetChanged();
  }
}

void TDataSet::Notify(Change change) {
  if (disableCount_ > 0) {
    changedWhileDisabled_ = true;
    return;
  }
  switch (change) {
    case Change::Data:
      emit DataSetChanged();
      break;
    case Change::Scroll:
      emit Scrolled();
      break;
    case Change::Record:
      emit RecordChanged();
      break;
    case Change::State:
      emit StateChanged();
      break;
  }
}

void TDataSet::SetState(TDataSetState state) {
  if (state_ == state) return;
  state_ = state;
  Notify(Change::State);
}

TValue TDataSet::Lookup(const std::string&, const TValue&, const std::string&) {
  return {};
}

void TDataSet::CursorPost(TRecord&, bool) {
  throw EDatabaseError(Prefix() + "Cannot modify a read-only dataset");
}

bool TDataSet::CursorDelete(TRecord&) {
  throw EDatabaseError(Prefix() + "Cannot modify a read-only dataset");
}
