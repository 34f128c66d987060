// The program's entry: the data alias, the main window, the data-aware hooks and the message
// loop, then the end of every unit in its order.
#include "app/Print.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "app/fPrint.h"
#include "data/QorDB.h"
#include "platform/db/Session.h"
#include "platform/forms/Application.h"
#include "platform/system/Finalization.h"

std::string ProgramFolder() {
  // The program file's own folder: the system resolves the running file, links and all.
  return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + "/";
}

void EnsureExampleAlias() {
  TSession& session = Session();
  if (session.IsAlias("QorExample")) return;
  session.ConfigMode = cmSession;
  try {
    session.AddStandardAlias("QorExample", ProgramFolder(), "PARADOX");
  } catch (...) {
    session.ConfigMode = cmAll;
    throw;
  }
  session.ConfigMode = cmAll;
}

int RunProgram() {
  try {
    Application().Initialize();
    EnsureExampleAlias();
  } catch (const std::exception& error) {
    // Nothing can be shown without the alias: say why, and end.
    std::fprintf(stderr, "%s\n", error.what());
    Application().ShowException(error);
    FinalizeUnits();
    return 1;
  }
  Application().CreateForm(Form1);
  InitQorApp(true);
  Application().Run();
  FinalizeUnits();
  return 0;
}
