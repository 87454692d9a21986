#pragma once
// What a drop of files and folders on the main window asks for, decided apart from
// the window so that the rules can be tested alone.

#include <string>
#include <vector>

#include "exhibit/exhibit_entry.h"
#include "exhibit/folder_walk.h"

namespace vistelo {

// One dropped item as the file system and the shell describe it.
struct DroppedItem {
  std::wstring path;
  bool isFolder = false;
  bool isShortcut = false;          // a shortcut file (not a folder named like one)
  std::wstring target;              // a shortcut's target; empty when it cannot be read
  bool targetIsFolder = false;
  FileTime created, modified, accessed;  // a shortcut's: the target's; a file's: its own
};

struct DropPlan {
  // Several items: the exhibit is cleared first unless SHIFT was held.
  bool clearFirst = false;
  // Entries appended before the walk, in drop order (several items only).
  std::vector<ExhibitEntry> entries;
  // The file to show first; empty to keep the current one.
  std::wstring currentPath;
  // One item: the folder to build from. Several: built from the exhibit root with
  // `roots` walked after the entries.
  std::wstring buildFolder;
  std::vector<std::wstring> roots;
  bool append = false;
  // One item: the build folder becomes the exhibit root when the result is not empty.
  bool buildFolderBecomesRoot = false;
  // Several items: when the exhibit is still empty, the main exhibit is built again.
  bool rebuildWhenEmpty = false;
};

DropPlan planDrop(const std::vector<DroppedItem>& items, bool shiftHeld, const FormatSwitches& formats);

}  // namespace vistelo
