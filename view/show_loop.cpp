#include "view/show_loop.h"

namespace vistelo {

ShowOutcome loadFirstLoadable(const Exhibit& exhibit, EntryLoader& loader, bool removesFailures) {
  if (exhibit.empty()) return ShowOutcome::Empty;
  const std::uint32_t round = exhibit.count();
  std::uint32_t tries = 0;
  for (;;) {
    if (loader.loadCurrent()) return ShowOutcome::Loaded;
    ++tries;
    if (exhibit.empty()) return ShowOutcome::Empty;
    if (!removesFailures && tries >= round) return ShowOutcome::NoneLoaded;
    // With removal every failure shortens the list, so this ends; the guard only
    // keeps a loader that neither loads nor removes from spinning.
    if (removesFailures && tries > round) return ShowOutcome::NoneLoaded;
  }
}

}  // namespace vistelo
