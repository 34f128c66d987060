#include "platform/forms/Forms.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
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

int TForm::ShowModal() {
  modalResult_ = mrNone;
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
  QApplication::setActiveWindow(this);
  QEventLoop loop;
  modalLoop_ = &loop;
  if (modalResult_ == mrNone) loop.exec();
  modalLoop_ = nullptr;
  hide();
  return modalResult_;
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (result != mrNone && modalLoop_) modalLoop_->quit();
}

bool TForm::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return handled;
}

void TForm::closeEvent(QCloseEvent* event) {
  if (modalLoop_ && modalResult_ == mrNone) SetModalResult(mrCancel);
  QWidget::closeEvent(event);
}

void TForm::keyPressEvent(QKeyEvent* event) {
  if (modalLoop_ && event->key() == Qt::Key_Escape) return SetModalResult(mrCancel);
  QWidget::keyPressEvent(event);
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
