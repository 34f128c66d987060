#pragma once

#include <QObject>
#include <QPointer>

#include "platform/db/DataSet.h"
#include "platform/forms/Component.h"

// Links data-aware controls to a dataset.
class TDataSource : public TComponent {
  Q_OBJECT
  Q_PROPERTY(TDataSet* DataSet READ DataSet WRITE SetDataSet)

 public:
  explicit TDataSource(QObject* owner = nullptr) : TComponent(owner) {}
  TDataSet* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSet* dataSet) {
    dataSet_ = dataSet;
    emit DataSetReplaced();
  }

 signals:
  void DataSetReplaced();

 private:
  QPointer<TDataSet> dataSet_;
};
