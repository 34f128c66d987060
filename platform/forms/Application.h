#pragma once

#include <QApplication>
#include <QPointer>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Forms.h"
#include "platform/forms/NotifyEvent.h"

// The screen: the forms and data modules of the application, and the active form.
class TScreen : public QObject {
  Q_OBJECT

 public:
  TScreen();
  ~TScreen() override;

  // The active form; none when the active window is not a form.
  TForm* ActiveForm() const { return activeForm_; }
  // Raised whenever the active form changes.
  TNotifyEvent OnActiveFormChange;

  int DataModuleCount() const { return static_cast<int>(dataModules_.size()); }
  TDataModule* DataModules(int index) const;
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TForm* Forms(int index) const;

  void AddForm(TForm* form);
  void RemoveForm(TForm* form);
  void AddDataModule(TDataModule* module);
  void RemoveDataModule(TDataModule* module);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetActiveForm(TForm* form);

  QPointer<TForm> activeForm_;
  std::vector<TForm*> forms_;
  std::vector<TDataModule*> dataModules_;
};

// The application: its forms, the main form, the message loop, and the general error display.
class TApplication : public QObject {
  Q_OBJECT

 public:
  TApplication();
  ~TApplication() override;

  void Initialize() {}
  // Creates a form of class F, stores it in `reference`; the first form made is the main form.
  template <class F>
  void CreateForm(F*& reference) {
    reference = new F(nullptr);
    AdoptForm(reference);
  }
  template <class M>
  void CreateDataModule(M*& reference) {
    reference = new M(nullptr);
    AdoptDataModule(reference);
  }
  TForm* MainForm() const { return mainForm_; }
  // Shows the main form and runs the message loop until it is closed.
  void Run();
  void Terminate();

  // The general error display: OnException when it is set, else a message box. An exception
  // that leaves an event handler comes here, and the program goes on.
  std::function<void(const std::exception&)> OnException;
  void ShowException(const std::exception& error);
  void HandleException();  // the exception being handled

  // Frees the forms and data modules made by CreateForm and CreateDataModule.
  void FreeForms();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void AdoptForm(TForm* form);
  void AdoptDataModule(TDataModule* module);

  QPointer<TForm> mainForm_;
  std::vector<QPointer<QObject>> owned_;
};

// The Qt application object of a program: delivers events and sends exceptions that leave an
// event handler to the general error display, so that the program, and any nested modal loop,
// goes on.
class TQtApplication : public QApplication {
 public:
  TQtApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// The application and screen objects; they exist whenever the Qt application object does.
TApplication& Application();
TScreen& Screen();
// The screen, or none before the Qt application object exists or after finalization.
TScreen* ScreenIfAny();
TApplication* ApplicationIfAny();

// A modal message box with the text (ANSI) and one OK button.
void ShowMessage(const std::string& message);
// Replaces what ShowMessage does (a test's recorder, say); answers the previous handler, empty
// for the message box.
using TMessageHandler = std::function<void(const std::string&)>;
TMessageHandler SetShowMessageHandler(TMessageHandler handler);
