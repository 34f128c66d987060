#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/DBError.h"
#include "platform/db/Fields.h"
#include "platform/db/Record.h"
#include "platform/forms/Component.h"

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// Flags of Resync.
enum TResyncModeFlag : unsigned { rmExact = 1, rmCenter = 2 };
using TResyncMode = unsigned;

// A dataset: a cursor over the records of a database engine, its current record, its fields and
// its state. Engines (a table, a query) supply the cursor; this class keeps the rules common to
// them. Data-aware controls follow its signals, which DisableControls holds back.
class TDataSet : public TComponent {
  Q_OBJECT

 public:
  explicit TDataSet(QObject* owner = nullptr);
  ~TDataSet() override;

  bool Active() const { return state_ != TDataSetState::dsInactive; }
  void SetActive(bool active);
  void Open();
  void Close();
  TDataSetState State() const { return state_; }
  bool Modified() const { return modified_; }

  void First();
  void Last();
  void Next();
  void Prior();
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  bool IsEmpty() const { return !hasRecord_; }

  void Insert();
  void Append();
  void Edit();
  void Post();
  void Cancel();
  void Delete();
  // Writes pending changes of the controls, then posts a modified record or cancels an
  // unmodified edit or insert.
  void CheckBrowseMode();
  // Re-reads the data around the current record.
  void Refresh();

  // None (nullptr) when there is no current record.
  TBookmark GetBookmark();
  void GotoBookmark(TBookmark bookmark);
  void FreeBookmark(TBookmark bookmark);  // accepts none

  // Counted: controls are told again when the last EnableControls matches the first
  // DisableControls.
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return disableCount_ > 0; }

  // The fields of the open dataset; of a closed one, its persistent fields (or none).
  int FieldCount() const { return static_cast<int>(FieldList().size()); }
  TField* Fields(int index) const;
  TField* FindField(const std::string& name) const;  // letters compared without case
  TField* FieldByName(const std::string& name) const;

  std::function<void(TDataSet*)> BeforeScroll;
  std::function<void(TDataSet*)> AfterScroll;
  void DoBeforeScroll();
  void DoAfterScroll();
  // The engine puts its cursor on the bookmarked record, or where it stood when the record is
  // gone; raises when it cannot.
  virtual void InternalGotoBookmark(TBookmark bookmark);
  // Reads the record at the cursor again (rmExact: only that one; else the next, else the
  // previous) and tells the controls.
  void Resync(TResyncMode mode);

  // Values of the current record (the edit buffer while editing or inserting).
  const TRecord& ActiveRecord() const { return record_; }
  void SetFieldValue(int index, TValue value);

  // The value of resultField in the first record whose keyField equals key; null when none.
  // Engines answer it without moving the cursor; a dataset that cannot answers none.
  virtual TValue Lookup(const std::string& keyField, const TValue& key,
                        const std::string& resultField);

  // Position by record number, for the grid: the number of records, the number (from 0) of the
  // current one (-1 when there is none), records read without moving the cursor, and a move to
  // a record by its number.
  int64_t RecordCount();
  int64_t RecNo();
  void ReadRecords(int64_t first, int64_t count, std::vector<TRecord>& records);
  void SetRecNo(int64_t index);
  virtual bool CanModify() const { return false; }

  // Records the engine has read from its storage since the dataset was made.
  uint64_t RowsRead() const { return rowsRead_; }

  // Called by persistent fields that bind themselves to this dataset.
  void AttachField(TField* field);
  void DetachField(TField* field);

 signals:
  void DataSetChanged();  // open, close, refresh, resync: show everything again
  void Scrolled();        // another record became current
  void RecordChanged();   // values of the current record changed
  void StateChanged();    // browse, edit, insert, inactive

 protected:
  // The engine.
  virtual std::vector<TFieldDef> OpenCursor() = 0;  // answers the columns
  virtual void CloseCursor() = 0;
  virtual bool CursorFirst(TRecord& record) = 0;
  virtual bool CursorLast(TRecord& record) = 0;
  virtual bool CursorNext(TRecord& record) = 0;  // from the cursor's position, also a gone one
  virtual bool CursorPrior(TRecord& record) = 0;
  virtual bool CursorCurrent(TRecord& record) = 0;  // false when the record there is gone
  virtual int64_t CursorPosition() const = 0;
  virtual void CursorSeek(const TBookmarkData& bookmark) = 0;
  virtual int64_t CursorRecordCount() = 0;
  virtual int64_t CursorIndex() = 0;  // of the record at the cursor
  virtual void CursorReadRange(int64_t first, int64_t count, std::vector<TRecord>& records) = 0;
  virtual bool CursorGotoIndex(int64_t index, TRecord& record) = 0;
  // Writes the record; the cursor then stands on it.
  virtual void CursorPost(TRecord& record, bool inserting);
  // Deletes the record at the cursor and reads the one now there (next, else previous).
  virtual bool CursorDelete(TRecord& now);
  virtual void CursorRefresh() {}

  void CountRowRead() { ++rowsRead_; }
  const std::vector<TField*>& FieldList() const { return Active() ? fields_ : persistent_; }
  // "Name: " for messages about this dataset, empty when it has no name.
  std::string Prefix() const;

 private:
  enum class Change { Data, Scroll, Record, State };
  void Notify(Change change);
  void SetState(TDataSetState state);
  void CheckActive() const;
  void CheckEditable() const;
  void BindFields(const std::vector<TFieldDef>& columns);
  void FreeDefaultFields();
  void Move(bool (TDataSet::*step)(TRecord&), bool toEnd);

  TDataSetState state_ = TDataSetState::dsInactive;
  bool hasRecord_ = false;
  bool eof_ = true;
  bool bof_ = true;
  bool modified_ = false;
  TRecord record_;
  TRecord scratch_;
  TRecord saved_;  // the record before Edit or Insert
  bool savedHasRecord_ = false;
  int disableCount_ = 0;
  bool changedWhileDisabled_ = false;
  std::vector<TField*> fields_;      // the fields of the open dataset, in column order
  std::vector<TField*> persistent_;  // fields declared by a form
  std::vector<TField*> defaults_;    // fields made at Open, freed at Close
  uint64_t rowsRead_ = 0;
};
