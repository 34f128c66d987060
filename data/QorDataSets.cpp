// Finding the datasets of a form and opening or refreshing them by the Tag rule.
#include <algorithm>

#include "data/QorDB.h"
#include "platform/db/DataSource.h"
#include "platform/db/Query.h"
#include "platform/forms/Application.h"

namespace {

bool Contains(const std::vector<TDataSet*>& list, const TDataSet* dataSet) {
  return std::find(list.begin(), list.end(), dataSet) != list.end();
}

TDataSet* DataSetOf(QObject* source) {
  const auto* dataSource = qobject_cast<TDataSource*>(source);
  return dataSource ? dataSource->DataSet() : nullptr;
}

// Is X a detail whose master is in the list and due for a refresh, so that refreshing the
// master will do?
bool MasterIsDue(TDataSet* x, const std::vector<TDataSet*>& list, bool force) {
  auto due = [&](TDataSet* master) {
    return master && (force || TensDigit(master->Tag()) == 9) && Contains(list, master);
  };
  TDataSet* tableMaster = DataSetOf(GetPublishedObject(x, "MasterSource"));
  if (qobject_cast<TQuery*>(tableMaster) && due(tableMaster)) return true;
  if (auto* query = qobject_cast<TQuery*>(x)) return due(DataSetOf(query->DataSource()));
  return false;
}

}  // namespace

QObject* GetPublishedObject(QObject* Component, const std::string& PropName) {
  if (!Component) return nullptr;
  const QMetaProperty property = GetPropInfo(Component->metaObject(), PropName);
  return property.isValid() ? GetOrdProp(Component, property) : nullptr;
}

std::pair<TDataSet*, TDataSet*> GetBoundDataSets(QObject* Component) {
  return {DataSetOf(GetPublishedObject(Component, "DataSource")),
          DataSetOf(GetPublishedObject(Component, "ListSource"))};
}

// The lookup datasets are visited with an explicit stack of work, not by recursion, so a long
// chain of lookups needs no deeper call stack.
void AddDataSet(std::vector<TDataSet*>& List, TDataSet* DataSet, bool AtFront) {
  struct Work {
    TDataSet* dataSet;
    bool atFront;
  };
  std::vector<Work> pending{{DataSet, AtFront}};
  while (!pending.empty()) {
    const Work work = pending.back();
    pending.pop_back();
    if (!work.dataSet || Contains(List, work.dataSet)) continue;
    if (work.atFront)
      List.insert(List.begin(), work.dataSet);
    else
      List.push_back(work.dataSet);
    // In field order: the later ones are handled after, and so end up further in front.
    for (int i = work.dataSet->FieldCount() - 1; i >= 0; --i)
      if (TField* field = work.dataSet->Fields(i); field && field->LookupDataSet)
        pending.push_back({field->LookupDataSet, true});
  }
}

void PrepareFormDataSets(TForm* Form, bool Force) {
  if (!Form) {
    if (TScreen* screen = ScreenIfAny()) Form = screen->ActiveForm();
  }
  if (!Form) return;
  std::vector<TDataSet*> list;
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    const auto [dataSet, listSet] = GetBoundDataSets(Form->Components(i));
    AddDataSet(list, listSet, true);
    AddDataSet(list, dataSet, false);
  }
  const std::size_t count = list.size();
  for (std::size_t position = 0; position < count; ++position) {
    TDataSet* x = list[position];
    try {
      if (!x->Active()) {
        if (Force || TensDigit(x->Tag()) != 8) x->Open();
        continue;
      }
      if (!Force && (TensDigit(x->Tag()) != 9 || x->State() == TDataSetState::dsEdit ||
                     x->State() == TDataSetState::dsInsert))
        continue;
      if (MasterIsDue(x, list, Force)) continue;
      RefreshDataSet(x);
    } catch (...) {
      // A dataset that cannot be opened or refreshed is left as it is; the others go on.
    }
  }
}

void RefreshDataSet(TDataSet* DataSet) {
  if (!DataSet || !DataSet->Active()) return;
  if (!qobject_cast<TQuery*>(DataSet)) return DataSet->Refresh();
  TBookmark bookmark = DataSet->GetBookmark();
  DataSet->DisableControls();
  try {
    DataSet->Close();
    DataSet->Open();
    GotoBookmarkNear(DataSet, bookmark);
  } catch (...) {
    DataSet->EnableControls();
    DataSet->FreeBookmark(bookmark);
    throw;
  }
  DataSet->EnableControls();
  DataSet->FreeBookmark(bookmark);
}

void GotoBookmarkNear(TDataSet* DataSet, TBookmark Bookmark) {
  if (!DataSet || !Bookmark) return;
  DataSet->CheckBrowseMode();
  DataSet->DoBeforeScroll();
  DataSet->InternalGotoBookmark(Bookmark);
  DataSet->Resync(rmCenter);
  DataSet->DoAfterScroll();
}
