#pragma once

#include <functional>

// Program-wide objects are made on first use and freed at the end in one fixed order. Each unit
// registers its finalizer when it first creates an object; FinalizeUnits runs them by stage, and
// within a stage in the reverse order of registration. It runs once: explicitly at the end of
// main (before the Qt application object goes), or else when the process exits.
enum class TFinalizationStage {
  Forms = 10,     // the application's forms and data modules
  Dialogs = 20,   // the library's dialogs
  Print = 30,     // the print engine, then the print settings
  Data = 40,      // the data-aware application object
  Platform = 50,  // printer, spooler, session, screen and application objects
};

void AddFinalizer(TFinalizationStage stage, std::function<void()> finalizer);
void FinalizeUnits();
bool UnitsFinalized();

// Accessors of program-wide objects call this before creating their object: after
// finalization it throws std::logic_error instead of letting an object come back to life.
void CheckNotFinalized(const char* objectName);
