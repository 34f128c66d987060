#include "platform/db/DBDataSet.h"

#include "platform/db/Session.h"

TDBDataSet::~TDBDataSet() {
  DetachDatabase();
}

std::string TDBDataSet::AttachDatabase() {
  TDatabase& database = Session().OpenDatabase(DatabaseName);
  database.Attach(this);
  database_ = &database;
  return database.Directory;
}

void TDBDataSet::DetachDatabase() {
  if (!database_) return;
  database_->Detach(this);
  Session().CloseUnusedDatabase(*database_);
  database_ = nullptr;
}
