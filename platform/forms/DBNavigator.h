#pragma once

#include <QPointer>
#include <QToolButton>
#include <QWidget>
#include <array>

#include "platform/db/DataSource.h"

// The record navigator: first, prior, next, last, insert, delete, edit, post, cancel and
// refresh, each enabled as the dataset's state allows. Deleting asks first.
class TDBNavigator : public QWidget {
  Q_OBJECT
  Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)

 public:
  enum TNavigateBtn {
    nbFirst,
    nbPrior,
    nbNext,
    nbLast,
    nbInsert,
    nbDelete,
    nbEdit,
    nbPost,
    nbCancel,
    nbRefresh
  };
  static constexpr int kButtons = 10;

  explicit TDBNavigator(QWidget* parent = nullptr);

  TDataSource* DataSource() const { return source_; }
  void SetDataSource(TDataSource* source);
  bool ConfirmDelete = true;

  QToolButton* Button(TNavigateBtn which) const { return buttons_[which]; }
  void BtnClick(TNavigateBtn which);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Connect();
  void UpdateButtons();

  QPointer<TDataSource> source_;
  QPointer<TDataSet> connected_;
  std::vector<QMetaObject::Connection> connections_;
  std::array<QToolButton*, kButtons> buttons_{};
};
