#include "platform/forms/Application.h"

#include <QEvent>
#include <QFont>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/system/CodePage.h"
#include "platform/system/Finalization.h"

namespace {

TApplication* gApplication = nullptr;
TScreen* gScreen = nullptr;

void MakePlatformObjects() {
  if (gApplication) return;
  CheckNotFinalized("Application");
  if (!QCoreApplication::instance())
    throw std::logic_error("The application object needs the Qt application object");
  gScreen = new TScreen;
  gApplication = new TApplication;
  AddFinalizer(TFinalizationStage::Forms, [] {
    if (gApplication) gApplication->FreeForms();
  });
  AddFinalizer(TFinalizationStage::Platform, [] {
    delete gApplication;
    gApplication = nullptr;
    delete gScreen;
    gScreen = nullptr;
  });
}

template <class T>
void Erase(std::vector<T*>& items, T* item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

TApplication& Application() {
  MakePlatformObjects();
  return *gApplication;
}

TScreen& Screen() {
  MakePlatformObjects();
  return *gScreen;
}

TScreen* ScreenIfAny() {
  if (!gScreen && QCoreApplication::instance() && !UnitsFinalized()) MakePlatformObjects();
  return gScreen;
}

TApplication* ApplicationIfAny() {
  ScreenIfAny();
  return gApplication;
}

// The screen.

TScreen::TScreen() {
  qApp->installEventFilter(this);
}

TScreen::~TScreen() {
  if (qApp) qApp->removeEventFilter(this);
}

TDataModule* TScreen::DataModules(int index) const {
  return index >= 0 && index < DataModuleCount() ? dataModules_[static_cast<std::size_t>(index)]
                                                 : nullptr;
}

TForm* TScreen::Forms(int index) const {
  return index >= 0 && index < FormCount() ? forms_[static_cast<std::size_t>(index)] : nullptr;
}

void TScreen::AddForm(TForm* form) {
  forms_.push_back(form);
}

void TScreen::RemoveForm(TForm* form) {
  Erase(forms_, form);
  if (activeForm_ == form) activeForm_ = nullptr;
}

void TScreen::AddDataModule(TDataModule* module) {
  dataModules_.push_back(module);
}
void TScreen::RemoveDataModule(TDataModule* module) {
  Erase(dataModules_, module);
}

bool TScreen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow())
    SetActiveForm(qobject_cast<TForm*>(watched));
  return false;
}

void TScreen::SetActiveForm(TForm* form) {
  if (activeForm_ == form) return;
  activeForm_ = form;
  OnActiveFormChange(this);
}

// The application.

TApplication::TApplication() = default;

TApplication::~TApplication() {
  FreeForms();
}

void TApplication::AdoptForm(TForm* form) {
  owned_.emplace_back(form);
  if (!mainForm_) {
    mainForm_ = form;
    form->installEventFilter(this);
  }
}

void TApplication::AdoptDataModule(TDataModule* module) {
  owned_.emplace_back(module);
}

void TApplication::Run() {
  if (!mainForm_) return;
  mainForm_->show();
  QApplication::exec();
}

void TApplication::Terminate() {
  QCoreApplication::quit();
}

void TApplication::FreeForms() {
  // Last made first, so the main form, made first, goes last.
  while (!owned_.empty()) {
    QPointer<QObject> last = owned_.back();
    owned_.pop_back();
    delete last.data();
  }
}

void TApplication::ShowException(const std::exception& error) {
  if (OnException) return OnException(error);
  QMessageBox::critical(QApplication::activeWindow(), QCoreApplication::applicationName(),
                        UnicodeFromAnsi(error.what()));
}

void TApplication::HandleException() {
  try {
    throw;
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(std::runtime_error("Unknown error"));
  }
}

// The main form's closing ends the message loop.
bool TApplication::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainForm_ && event->type() == QEvent::Close)
    QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
  return false;
}

// The Qt application object.

TQtApplication::TQtApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // The forms name the desktop fonts they were designed with; these are their closest metric
  // twins on this system.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

bool TQtApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    if (TApplication* application = ApplicationIfAny()) application->HandleException();
    return false;
  }
}

namespace {
TMessageHandler& MessageHandler() {
  static TMessageHandler handler;
  return handler;
}
}  // namespace

TMessageHandler SetShowMessageHandler(TMessageHandler handler) {
  return std::exchange(MessageHandler(), std::move(handler));
}

void ShowMessage(const std::string& message) {
  if (MessageHandler()) return MessageHandler()(message);
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                  UnicodeFromAnsi(message), QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}
