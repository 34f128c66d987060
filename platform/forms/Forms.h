#pragma once

#include <QObject>
#include <QWidget>
#include <cstdint>

#include "platform/forms/Component.h"
#include "platform/forms/NotifyEvent.h"

enum class TPosition { poDesigned, poScreenCenter };

// How a modal form was closed.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

class QEventLoop;

// A form: a top-level window that owns its components (controls and non-visual components alike)
// in creation order.
class TForm : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)

 public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;

  int32_t Tag() const { return tag_; }
  void SetTag(int32_t tag) { tag_ = tag; }
  TPosition Position = TPosition::poDesigned;

  int ComponentCount() const { return components_.Count(); }
  QObject* Components(int index) const { return components_.At(index); }
  Q_INVOKABLE void InsertComponent(QObject* component) { components_.Add(component); }
  Q_INVOKABLE void RemoveComponent(QObject* component) { components_.Remove(component); }

  // Shows the form modally until ModalResult is set (a button, Esc, the close box) and answers
  // it; the form is hidden again.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);

 protected:
  // Raised when the form becomes the active window.
  virtual void FormActivate() {}
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Frees the owned components now: a form class whose components refer to its own members
  // calls this in its destructor.
  void FreeOwnedComponents() { components_.FreeAll(); }

 private:
  int32_t tag_ = 0;
  bool shownOnce_ = false;
  int modalResult_ = mrNone;
  QEventLoop* modalLoop_ = nullptr;
  TComponentList components_;
};

// A data module: a non-visual container of components. OnDestroy is raised, with the module as
// sender, when it is destroyed, before its components go.
class TDataModule : public QObject {
  Q_OBJECT
  Q_PROPERTY(int Tag READ Tag WRITE SetTag)

 public:
  explicit TDataModule(QObject* owner = nullptr);
  ~TDataModule() override;

  int32_t Tag() const { return tag_; }
  void SetTag(int32_t tag) { tag_ = tag; }
  TNotifyEvent OnDestroy;

  int ComponentCount() const { return components_.Count(); }
  QObject* Components(int index) const { return components_.At(index); }
  Q_INVOKABLE void InsertComponent(QObject* component) { components_.Add(component); }
  Q_INVOKABLE void RemoveComponent(QObject* component) { components_.Remove(component); }

 private:
  int32_t tag_ = 0;
  TComponentList components_;
};
