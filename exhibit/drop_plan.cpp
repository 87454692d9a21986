#include "exhibit/drop_plan.h"

namespace vistelo {
DropPlan planDrop(const std::vector<DroppedItem>& items, bool shiftHeld, const FormatSwitches& formats) {
  DropPlan plan;
  plan.append = shiftHeld;
  if (items.empty()) return plan;

  if (items.size() == 1) {
    const DroppedItem& item = items.front();
    if (item.isFolder) {
      plan.buildFolder = item.path;
    } else if (item.isShortcut && !item.target.empty() && item.targetIsFolder) {
      plan.buildFolder = item.target;
    } else {
      // A file, or a shortcut to one: it shows first among the pictures of its folder.
      plan.currentPath = item.path;
      plan.buildFolder = folderOf(item.path);
    }
    plan.buildFolderBecomesRoot = !shiftHeld;
    return plan;
  }

  plan.clearFirst = !shiftHeld;
  plan.append = true;
  plan.rebuildWhenEmpty = true;
  for (const DroppedItem& item : items) {
    if (item.isShortcut && !item.isFolder) {
      if (item.target.empty()) continue;
      if (item.targetIsFolder) {
        plan.roots.push_back(item.target);
        continue;
      }
      if (!acceptsExtension(extensionOf(item.target), formats)) continue;
    } else if (item.isFolder) {
      plan.roots.push_back(item.path);
      continue;
    } else if (!acceptsExtension(extensionOf(item.path), formats)) {
      continue;
    }
    if (!fitsPathBuffer(item.path)) continue;
    plan.entries.push_back(ExhibitEntry{item.path, item.created, item.modified, item.accessed});
    if (plan.currentPath.empty()) plan.currentPath = item.path;
  }
  return plan;
}

}  // namespace vistelo
