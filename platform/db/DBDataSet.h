#pragma once

#include <string>

#include "platform/db/DataSet.h"

class TDatabase;

// A dataset on a database of the session: DatabaseName is an alias (or a folder).
class TDBDataSet : public TDataSet {
  Q_OBJECT

 public:
  explicit TDBDataSet(QObject* owner = nullptr) : TDataSet(owner) {}
  ~TDBDataSet() override;

  std::string DatabaseName;

 protected:
  // The folder of the database, which this dataset joins until DetachDatabase.
  std::string AttachDatabase();
  void DetachDatabase();

 private:
  TDatabase* database_ = nullptr;
};
