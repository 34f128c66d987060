#pragma once

// The data-aware support library: opening and refreshing the datasets of forms by their Tag,
// and the application hooks that do it at start-up, on form activation and before a data module
// is destroyed.

#include <QObject>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/DataSet.h"
#include "platform/forms/Forms.h"
#include "platform/forms/NotifyEvent.h"

// Collects the datasets that the components of Form (the active form when none) are bound to,
// and opens the closed ones and refreshes the open ones by the rule on their Tag; Force opens
// and refreshes them all, still leaving details to their masters.
void PrepareFormDataSets(TForm* Form, bool Force);
// Refreshes an open dataset; a query is re-opened and brought back to its record, or next to it.
void RefreshDataSet(TDataSet* DataSet);
// Moves an open dataset to a bookmark taken earlier, or next to it when its record is gone.
void GotoBookmarkNear(TDataSet* DataSet, TBookmark Bookmark);
// The object held by the component's published property of that name (letters compared
// without case), or none.
QObject* GetPublishedObject(QObject* Component, const std::string& PropName);
// The datasets behind the component's DataSource and ListSource properties (none for either
// when missing).
std::pair<TDataSet*, TDataSet*> GetBoundDataSets(QObject* Component);
// A step of PrepareFormDataSets on its working list: DataSet and, in front of the list, the
// lookup datasets of its fields.
void AddDataSet(std::vector<TDataSet*>& List, TDataSet* DataSet, bool AtFront);

// The tens digit of a Tag, with truncating signed arithmetic: 99 -> 9, -98 -> -9.
inline int32_t TensDigit(int32_t tag) {
  return (tag % 100) / 10;
}

// The application-level side of the library; one object, QorApp().
class TQorApp {
 public:
  TQorApp() = default;

  TNotifyEvent OldOnDestroy;
  int32_t BusyCount = 0;

  void BeginBusy() { ++BusyCount; }
  void EndBusy() {
    if (BusyCount > 0) --BusyCount;
  }
  void ActiveFormChange(QObject* Sender);
  void PostPendingEdits(QObject* Sender);
  void DataModuleDestroy(QObject* Sender);
  // Shows Msg in a modal message box while the busy counter is raised.
  void ShowBusyMessage(const std::string& Msg);
};

TQorApp& QorApp();
// Installs the hooks: once per run, after the main form exists and before the message loop.
void InitQorApp(bool OpenDataModules);
