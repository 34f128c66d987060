#include "platform/forms/DBNavigator.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace {

struct ButtonLook {
  const char* glyph;
  const char* hint;
};

constexpr ButtonLook kLooks[TDBNavigator::kButtons] = {
    {"|\u25C0", "First record"}, {"\u25C0", "Prior record"}, {"\u25B6", "Next record"},
    {"\u25B6|", "Last record"},  {"+", "Insert record"},     {"\u2212", "Delete record"},
    {"\u25B2", "Edit record"},   {"\u2713", "Post edit"},    {"\u2715", "Cancel edit"},
    {"\u21BB", "Refresh data"},
};

}  // namespace

TDBNavigator::TDBNavigator(QWidget* parent) : QWidget(parent) {
  for (int i = 0; i < kButtons; ++i) {
    auto* button = new QToolButton(this);
    button->setText(QString::fromUtf8(kLooks[i].glyph));
    button->setToolTip(tr(kLooks[i].hint));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this,
            [this, i] { BtnClick(static_cast<TNavigateBtn>(i)); });
    buttons_[i] = button;
  }
  setFocusPolicy(Qt::TabFocus);
  UpdateButtons();
}

void TDBNavigator::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int w = width() / kButtons;
  for (int i = 0; i < kButtons; ++i)
    buttons_[i]->setGeometry(i * w, 0, i == kButtons - 1 ? width() - i * w : w, height());
}

void TDBNavigator::SetDataSource(TDataSource* source) {
  if (source_) disconnect(source_, nullptr, this, nullptr);
  source_ = source;
  if (source_) connect(source_, &TDataSource::DataSetReplaced, this, [this] { Connect(); });
  Connect();
}

void TDBNavigator::Connect() {
  for (const auto& connection : connections_) disconnect(connection);
  connections_.clear();
  connected_ = source_ ? source_->DataSet() : nullptr;
  if (connected_)
    for (auto signal : {&TDataSet::DataSetChanged, &TDataSet::Scrolled, &TDataSet::StateChanged,
                        &TDataSet::RecordChanged})
      connections_.push_back(connect(connected_, signal, this, [this] { UpdateButtons(); }));
  UpdateButtons();
}

void TDBNavigator::UpdateButtons() {
  TDataSet* dataSet = connected_;
  const bool active = dataSet && dataSet->Active();
  const bool editing = active && (dataSet->State() == TDataSetState::dsEdit ||
                                  dataSet->State() == TDataSetState::dsInsert);
  const bool canModify = active && dataSet->CanModify();
  const bool upEnabled = active && !dataSet->Bof();
  const bool downEnabled = active && !dataSet->Eof();
  const bool enabled[kButtons] = {upEnabled,
                                  upEnabled,
                                  downEnabled,
                                  downEnabled,
                                  canModify,
                                  canModify && !dataSet->IsEmpty(),
                                  canModify && !editing,
                                  editing,
                                  editing,
                                  active};
  for (int i = 0; i < kButtons; ++i) buttons_[i]->setEnabled(enabled[i]);
}

void TDBNavigator::BtnClick(TNavigateBtn which) {
  TDataSet* dataSet = connected_;
  if (!dataSet || !dataSet->Active()) return;
  switch (which) {
    case nbFirst:
      return dataSet->First();
    case nbPrior:
      return dataSet->Prior();
    case nbNext:
      return dataSet->Next();
    case nbLast:
      return dataSet->Last();
    case nbInsert:
      return dataSet->Insert();
    case nbDelete:
      if (!ConfirmDelete ||
          QMessageBox::question(window(), QCoreApplication::applicationName(), tr("Delete record?"),
                                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok)
        dataSet->Delete();
      return;
    case nbEdit:
      return dataSet->Edit();
    case nbPost:
      return dataSet->Post();
    case nbCancel:
      return dataSet->Cancel();
    case nbRefresh:
      return dataSet->Refresh();
  }
}
