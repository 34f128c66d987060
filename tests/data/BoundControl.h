#pragma once

#include <QObject>

#include "platform/db/DataSource.h"
#include "platform/forms/Component.h"

// A data-aware control as the library sees one: a component publishing DataSource and
// ListSource.
class TBoundControl : public TComponent {
  Q_OBJECT
  Q_PROPERTY(TDataSource* DataSource MEMBER dataSource)
  Q_PROPERTY(TDataSource* ListSource MEMBER listSource)

 public:
  explicit TBoundControl(QObject* owner, TDataSource* data = nullptr, TDataSource* list = nullptr)
      : TComponent(owner), dataSource(data), listSource(list) {}
  TDataSource* dataSource;
  TDataSource* listSource;
};

// A control with a DataSource property of its own spelling.
class TLowerCaseControl : public TComponent {
  Q_OBJECT
  Q_PROPERTY(TDataSource* datasource MEMBER dataSource)

 public:
  explicit TLowerCaseControl(QObject* owner, TDataSource* data)
      : TComponent(owner), dataSource(data) {}
  TDataSource* dataSource;
};
