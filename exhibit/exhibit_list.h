#pragma once
// The exhibit: the ordered list of entries the program shows, its current position,
// the path shown, the saved copy of the main exhibit, and the busy flags.
//
// Only the window thread changes this object. A folder scan builds its own list on its
// worker thread and hands it over by message; the window thread then takes it in.

#include <cstdint>
#include <string>
#include <vector>

#include "config/fixed_text.h"
#include "exhibit/exhibit_entry.h"

namespace vistelo {

// The pseudo-path of a picture pasted from the clipboard; refused by every file command.
extern const wchar_t* const kClipboardPath;

// Answers for shortcut files; the Windows build asks the shell.
class ShortcutResolver {
 public:
  virtual ~ShortcutResolver() = default;
  // The target of a shortcut file, without repairing a broken link. False when it
  // cannot be resolved.
  virtual bool resolveTarget(const std::wstring& shortcutPath, std::wstring& target) = 0;
};

// Whether a path names a shortcut file (it ends in ".lnk", in any letter case).
bool isShortcutPath(const std::wstring& path);

// The settings a saved exhibit was built with, restored with it.
struct ExhibitView {
  std::int32_t sort = 0;
  std::int32_t sortby = 1;
  bool sortcase = false;
  bool subfolders = true;
  bool hidden = true;
};

class Exhibit {
 public:
  static constexpr std::int32_t kNotFound = -1;

  std::vector<ExhibitEntry> entries;  // in display order
  std::uint32_t currentIndex = 0;     // inside [0, count) whenever the list is non-empty
  PathText currentPath;               // the entry shown, or the file to show first
  std::vector<ExhibitEntry> savedEntries;
  std::uint32_t savedIndex = 0;
  ExhibitView savedView;
  bool filtered = false;
  PathText exhibitRoot;
  PathText viewedFolder;
  bool scanBusy = false;
  bool sortBusy = false;
  bool autoUpdating = false;

  std::uint32_t count() const { return static_cast<std::uint32_t>(entries.size()); }
  bool empty() const { return entries.empty(); }

  void clear();
  // Adds an entry at the end, or before `position` (count appends). An entry whose
  // path does not fit a path buffer is refused: false.
  bool append(const ExhibitEntry& entry);
  bool insert(std::uint32_t position, const ExhibitEntry& entry);
  // Removes the current entry; past the end the first entry becomes current.
  void removeCurrent();

  // First entry whose path equals `path` exactly (code units, letter case counts).
  std::int32_t findPath(const std::wstring& path) const;
  // A shortcut path: the entry of its target. Any other path: the first entry that is
  // a shortcut to it.
  std::int32_t findThroughShortcut(const std::wstring& path, ShortcutResolver& resolver) const;
  // findPath, then findThroughShortcut; kNotFound for an empty list or path.
  std::int32_t indexOfPath(const std::wstring& path, ShortcutResolver& resolver) const;
  // currentIndex = the entry of currentPath, or 0 when there is none.
  void locateCurrentPath(ShortcutResolver& resolver);

  void saveExhibit(const ExhibitView& view);
  // Brings back the saved list and returns the view it was built with. With nothing
  // saved it changes nothing and returns false.
  bool restoreExhibit(ExhibitView& view);

  // True (refused) when the picture shown is not a file but a pasted bitmap.
  bool showsClipboardPicture() const { return currentPath == kClipboardPath; }
};

}  // namespace vistelo
