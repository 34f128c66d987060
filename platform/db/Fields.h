#pragma once

#include <QObject>
#include <string>

#include "platform/db/Record.h"
#include "platform/forms/Component.h"

class TDataSet;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TFieldKind { fkData, fkLookup };

// A field of a dataset. Persistent fields are components of a form, bound to their dataset by
// DataSet and to the table's column by FieldName; default fields are made by the dataset when it
// opens without persistent fields, and freed when it closes.
class TField : public TComponent {
  Q_OBJECT

 public:
  TField(QObject* owner, TFieldType dataType, int size = 0);
  ~TField() override;

  TDataSet* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSet* dataSet);

  std::string FieldName;
  TFieldType DataType;
  int Size;
  TFieldKind FieldKind = TFieldKind::fkData;
  TAlignment Alignment;
  std::string DisplayLabelText;  // empty: the field name
  int DisplayWidth;              // characters

  // Lookup fields: the text of LookupResultField in the record of LookupDataSet whose
  // LookupKeyFields equals this dataset's KeyFields.
  TDataSet* LookupDataSet = nullptr;
  std::string KeyFields, LookupKeyFields, LookupResultField;

  const std::string& DisplayLabel() const {
    return DisplayLabelText.empty() ? FieldName : DisplayLabelText;
  }
  int Index() const { return index_; }  // column in the dataset's records; -1 when unbound
  void Bind(int index) { index_ = index; }

  bool IsNull() const;
  std::string AsString() const;  // ANSI
  int64_t AsInteger() const;
  void SetAsString(const std::string& value);
  void SetAsInteger(int64_t value);
  void Clear();
  // The text the grid shows for the field: of the current record, or of any record of the
  // dataset (for a grid showing many).
  std::string DisplayText() const;
  std::string DisplayTextOf(const TRecord& record) const;

 private:
  const TValue& Value() const;
  TDataSet* dataSet_ = nullptr;
  int index_ = -1;
};

class TIntegerField : public TField {
  Q_OBJECT
 public:
  explicit TIntegerField(QObject* owner = nullptr) : TField(owner, TFieldType::ftInteger) {}
};

class TSmallintField : public TField {
  Q_OBJECT
 public:
  explicit TSmallintField(QObject* owner = nullptr) : TField(owner, TFieldType::ftSmallint) {}
};

class TStringField : public TField {
  Q_OBJECT
 public:
  explicit TStringField(QObject* owner = nullptr, int size = 20)
      : TField(owner, TFieldType::ftString, size) {}
};

// Makes the field object for a column.
TField* CreateField(QObject* owner, const TFieldDef& def);
