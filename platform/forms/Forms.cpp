#include "platform/forms/Forms.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include "platform/forms/Application.h"

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  if (TScreen* screen = ScreenIfAny()) screen->AddForm(this);
}

TForm::~TForm() {
  components_.FreeAll();
  if (TScreen* screen = ScreenIfAny()) screen->RemoveForm(this);
}

void TForm::showEvent(QShowEvent* event) {
  if (!shownOnce_ && Position == TPosition::poScreenCenter) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect frame = frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      move(frame.topLeft());
    }
  }
  shownOnce_ = true;
  QWidget::showEvent(event);
}

TDataModule::TDataModule(QObject* owner) {
  if (owner) OwnComponent(owner, this);
  if (TScreen* screen = ScreenIfAny()) screen->AddDataModule(this);
}

TDataModule::~TDataModule() {
  OnDestroy(this);
  components_.FreeAll();
  if (TScreen* screen = ScreenIfAny()) screen->RemoveDataModule(this);
}
