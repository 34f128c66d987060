#include "platform/system/Finalization.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Entry {
  TFinalizationStage stage;
  std::function<void()> finalizer;
};

struct Registry {
  std::vector<Entry> entries;
  bool finalized = false;
  // Safety net for programs that never call FinalizeUnits themselves.
  ~Registry() { FinalizeUnits(); }
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

void AddFinalizer(TFinalizationStage stage, std::function<void()> finalizer) {
  TheRegistry().entries.push_back({stage, std::move(finalizer)});
}

void FinalizeUnits() {
  Registry& registry = TheRegistry();
  if (registry.finalized) return;
  registry.finalized = true;
  std::vector<Entry> entries = std::move(registry.entries);
  std::reverse(entries.begin(), entries.end());
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.stage < b.stage; });
  for (Entry& entry : entries) {
    try {
      entry.finalizer();
    } catch (...) {
      // Nothing is left to report to at this point of the program's life.
    }
  }
}

bool UnitsFinalized() {
  return TheRegistry().finalized;
}

void CheckNotFinalized(const char* objectName) {
  if (UnitsFinalized())
    throw std::logic_error(std::string(objectName) + " used after the program was finalized");
}
