#pragma once

#include <functional>
#include <memory>
#include <utility>

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

// A program-wide object made on first use and freed by the finalization at its stage; Set
// installs another one (a test double, say) and answers the previous. Keep the holder itself
// for the whole process (allocate it once and never free it), so that the finalization, which
// may run as the process exits, always finds it.
template <class T>
class TProgramObject {
 public:
  TProgramObject(const char* name, TFinalizationStage stage,
                 std::function<std::unique_ptr<T>()> make)
      : name_(name), stage_(stage), make_(std::move(make)) {}

  T& Get() {
    if (!object_) {
      CheckNotFinalized(name_);
      Register();
      object_ = make_();
    }
    return *object_;
  }
  std::unique_ptr<T> Set(std::unique_ptr<T> object) {
    Register();
    std::swap(object_, object);
    return object;
  }

 private:
  void Register() {
    if (registered_) return;
    registered_ = true;
    AddFinalizer(stage_, [this] { object_.reset(); });
  }

  const char* name_;
  TFinalizationStage stage_;
  std::function<std::unique_ptr<T>()> make_;
  std::unique_ptr<T> object_;
  bool registered_ = false;
};
