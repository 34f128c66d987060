// The application hooks: the active-form handler, the data-module hook and start-up.
#include "data/QorDB.h"
#include "platform/db/Session.h"
#include "platform/forms/Application.h"
#include "platform/system/Finalization.h"

namespace {

TQorApp* gQorApp = nullptr;

}  // namespace

TQorApp& QorApp() {
  if (!gQorApp) {
    CheckNotFinalized("QorApp");
    gQorApp = new TQorApp;
    AddFinalizer(TFinalizationStage::Data, [] {
      delete gQorApp;
      gQorApp = nullptr;
    });
  }
  return *gQorApp;
}

void TQorApp::ActiveFormChange(QObject*) {
  TScreen* screen = ScreenIfAny();
  TForm* form = screen ? screen->ActiveForm() : nullptr;
  if (form && form->Tag() == 9 && BusyCount == 0) PrepareFormDataSets(form, false);
}

void TQorApp::PostPendingEdits(QObject*) {
  TSession& session = Session();
  const int databases = session.DatabaseCount();
  for (int d = 0; d < databases; ++d) {
    TDatabase* database = session.Databases(d);
    const int dataSets = database ? database->DataSetCount() : 0;
    for (int i = 0; i < dataSets; ++i) {
      try {
        TDataSet* dataSet = database->DataSets(i);
        if (dataSet && dataSet->Active()) dataSet->CheckBrowseMode();
      } catch (...) {
        // The edit is left as the failed post left it; the others are still posted.
      }
    }
  }
}

void TQorApp::DataModuleDestroy(QObject* Sender) {
  PostPendingEdits(Sender);
  OldOnDestroy(Sender);
}

void TQorApp::ShowBusyMessage(const std::string& Msg) {
  BeginBusy();
  try {
    ShowMessage(Msg);
  } catch (...) {
    EndBusy();
    throw;
  }
  EndBusy();
}

void InitQorApp(bool OpenDataModules) {
  TScreen* screen = ScreenIfAny();
  if (screen) {
    TQorApp& app = QorApp();
    screen->OnActiveFormChange = TNotifyEvent(&app, &TQorApp::ActiveFormChange);
    if (OpenDataModules) {
      const int modules = screen->DataModuleCount();
      for (int m = 0; m < modules; ++m) {
        TDataModule* module = screen->DataModules(m);
        const int components = module->ComponentCount();
        for (int c = 0; c < components; ++c) {
          auto* dataSet = qobject_cast<TDataSet*>(module->Components(c));
          if (!dataSet || dataSet->Tag() % 10 != 9) continue;
          try {
            dataSet->Open();
          } catch (...) {
            // Left as the failed open left it; the other datasets are still opened.
          }
        }
      }
    }
  } else {
    // The screen exists whenever the Qt application object does: kept for programs that call
    // this without one.
    QorApp().ShowBusyMessage("Screen dont initialize");
  }
  TApplication* application = ApplicationIfAny();
  if (!application) return;
  if (application->MainForm()) PrepareFormDataSets(application->MainForm(), false);
  TScreen& theScreen = Screen();
  if (theScreen.DataModuleCount() > 0) {
    TDataModule* last = theScreen.DataModules(theScreen.DataModuleCount() - 1);
    TQorApp& app = QorApp();
    const TNotifyEvent hook(&app, &TQorApp::DataModuleDestroy);
    // A second call finds its own hook there: chaining it would make the hook call itself.
    if (!(last->OnDestroy == hook)) app.OldOnDestroy = last->OnDestroy;
    last->OnDestroy = hook;
  }
}
