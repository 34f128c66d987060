#include "platform/db/Fields.h"

#include <charconv>

#include "platform/db/DataSet.h"

namespace {

const TValue kNull;

TAlignment DefaultAlignment(TFieldType type) {
  return type == TFieldType::ftString ? TAlignment::taLeftJustify : TAlignment::taRightJustify;
}

int DefaultDisplayWidth(TFieldType type, int size) {
  switch (type) {
    case TFieldType::ftInteger:
      return 11;
    case TFieldType::ftSmallint:
      return 6;
    default:
      return size;
  }
}

}  // namespace

TField::TField(QObject* owner, TFieldType dataType, int size)
    : TComponent(owner),
      DataType(dataType),
      Size(size),
      Alignment(DefaultAlignment(dataType)),
      DisplayWidth(DefaultDisplayWidth(dataType, size)) {}

TField::~TField() {
  SetDataSet(nullptr);
}

void TField::SetDataSet(TDataSet* dataSet) {
  if (dataSet_ == dataSet) return;
  if (dataSet_) dataSet_->DetachField(this);
  dataSet_ = dataSet;
  if (dataSet_) dataSet_->AttachField(this);
}

const TValue& TField::Value() const {
  if (!dataSet_ || index_ < 0) return kNull;
  const TRecord& record = dataSet_->ActiveRecord();
  return static_cast<std::size_t>(index_) < record.size() ? record[index_] : kNull;
}

bool TField::IsNull() const {
  if (FieldKind == TFieldKind::fkLookup) return AsString().empty();
  return std::holds_alternative<std::monostate>(Value());
}

namespace {

std::string ValueText(const TValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* number = std::get_if<int64_t>(&value)) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, *number).ptr;
    return std::string(buffer, end);
  }
  return {};
}

}  // namespace

std::string TField::AsString() const {
  if (FieldKind == TFieldKind::fkLookup)
    return dataSet_ ? DisplayTextOf(dataSet_->ActiveRecord()) : "";
  return ValueText(Value());
}

std::string TField::DisplayTextOf(const TRecord& record) const {
  if (FieldKind == TFieldKind::fkLookup) {
    if (!dataSet_ || !LookupDataSet || !LookupDataSet->Active()) return {};
    TField* key = dataSet_->FindField(KeyFields);
    if (!key || key->Index() < 0 || static_cast<std::size_t>(key->Index()) >= record.size())
      return {};
    return ValueText(
        LookupDataSet->Lookup(LookupKeyFields, record[key->Index()], LookupResultField));
  }
  if (index_ < 0 || static_cast<std::size_t>(index_) >= record.size()) return {};
  return ValueText(record[index_]);
}

int64_t TField::AsInteger() const {
  const TValue& value = Value();
  if (const auto* number = std::get_if<int64_t>(&value)) return *number;
  if (const auto* text = std::get_if<std::string>(&value)) {
    int64_t result = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), result);
    if (error != std::errc() || end != text->data() + text->size())
      throw EDatabaseError("'" + *text + "' is not a valid integer value");
    return result;
  }
  return 0;
}

void TField::SetAsString(const std::string& value) {
  if (!dataSet_ || index_ < 0) throw EDatabaseError("Field '" + FieldName + "' has no dataset");
  if (DataType == TFieldType::ftString) {
    if (Size > 0 && static_cast<int>(value.size()) > Size)
      throw EDatabaseError("Value of field '" + FieldName + "' is longer than " +
                           std::to_string(Size) + " characters");
    dataSet_->SetFieldValue(index_, value);
    return;
  }
  if (value.empty()) return dataSet_->SetFieldValue(index_, std::monostate{});
  int64_t number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc() || end != value.data() + value.size())
    throw EDatabaseError("'" + value + "' is not a valid integer value");
  SetAsInteger(number);
}

void TField::SetAsInteger(int64_t value) {
  if (!dataSet_ || index_ < 0) throw EDatabaseError("Field '" + FieldName + "' has no dataset");
  if (DataType == TFieldType::ftString) return SetAsString(std::to_string(value));
  const int64_t low = DataType == TFieldType::ftSmallint ? INT16_MIN : INT32_MIN;
  const int64_t high = DataType == TFieldType::ftSmallint ? INT16_MAX : INT32_MAX;
  if (value < low || value > high)
    throw EDatabaseError(std::to_string(value) + " is not a valid value for field '" + FieldName +
                         "'. The allowed range is " + std::to_string(low) + " to " +
                         std::to_string(high));
  dataSet_->SetFieldValue(index_, value);
}

void TField::Clear() {
  if (!dataSet_ || index_ < 0) throw EDatabaseError("Field '" + FieldName + "' has no dataset");
  dataSet_->SetFieldValue(index_, std::monostate{});
}

std::string TField::DisplayText() const {
  return AsString();
}

TField* CreateField(QObject* owner, const TFieldDef& def) {
  TField* field = nullptr;
  switch (def.DataType) {
    case TFieldType::ftInteger:
      field = new TIntegerField(owner);
      break;
    case TFieldType::ftSmallint:
      field = new TSmallintField(owner);
      break;
    case TFieldType::ftString:
      field = new TStringField(owner, def.Size);
      break;
  }
  field->FieldName = def.Name;
  return field;
}
