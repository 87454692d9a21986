#pragma once
// Finding the first entry, from the current one on, that loads: the rule behind
// showing the current picture, apart from the window so that it can be tested alone.

#include <cstdint>

#include "exhibit/exhibit_list.h"

namespace vistelo {

class EntryLoader {
 public:
  virtual ~EntryLoader() = default;
  // Loads the entry at the exhibit's current index. On failure it has already logged
  // the entry and removed it or stepped past it.
  virtual bool loadCurrent() = 0;
};

enum class ShowOutcome {
  Loaded,      // a picture is held; the current index is its entry
  Empty,       // the exhibit is (or became) empty
  NoneLoaded,  // every entry was tried once and none loaded
};

// Tries entries until one loads. When failures are removed the list shrinks with each
// one, so it goes on until a picture loads or the list is empty; when they are stepped
// over it stops after one round.
ShowOutcome loadFirstLoadable(const Exhibit& exhibit, EntryLoader& loader, bool removesFailures);

}  // namespace vistelo
