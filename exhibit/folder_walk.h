#pragma once
// The breadth-first walk that finds the pictures below one or more root folders.
//
// The walk knows the file system only through FolderLister, so it runs on the real
// disk in the program and on an in-memory tree in the tests. It keeps its own list;
// whoever drives it decides when to hand the entries over.

#include <cstdint>
#include <deque>
#include <string>
#include <unordered_set>
#include <vector>

#include "exhibit/exhibit_entry.h"

namespace vistelo {

constexpr std::uint32_t kAttributeHidden = 0x2;
constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kAttributeReparsePoint = 0x400;

// One item of a folder listing, or the recorded data of a shortcut's target.
struct FoundItem {
  std::wstring name;
  std::uint32_t attributes = 0;
  FileTime created;
  FileTime modified;
  FileTime accessed;
};

class FolderLister {
 public:
  virtual ~FolderLister() = default;
  // The items of a folder (given with its trailing backslash), "." and ".." included
  // or not. False when the folder cannot be listed.
  virtual bool list(const std::wstring& folder, std::vector<FoundItem>& items) = 0;
  // The target a shortcut file records and the target's recorded data (name and
  // attributes of the target itself). False when the shortcut cannot be read.
  virtual bool resolveShortcut(const std::wstring& path, std::wstring& target, FoundItem& targetData) = 0;
};

// Which file types the exhibit takes.
struct FormatSwitches {
  bool bmp = true;
  bool emf = false;
  bool gif = true;
  bool ico = false;
  bool jpg = true;
  bool png = true;
  bool tif = false;
};

// True when the extension (with its ".", any letter case) is switched on.
bool acceptsExtension(const std::wstring& extension, const FormatSwitches& formats);

// The extension of a path's last component, from its last "."; empty when none.
std::wstring extensionOf(const std::wstring& path);

struct WalkRules {
  bool subfolders = true;
  bool hidden = true;
  FormatSwitches formats;
};

class FolderWalk {
 public:
  FolderWalk(FolderLister& lister, const WalkRules& rules, const std::vector<std::wstring>& roots);

  // Lists the next folder waiting and appends its pictures to `found`. False when no
  // folder is left.
  bool listNextFolder(std::vector<ExhibitEntry>& found);
  bool finished() const { return queue_.empty(); }
  std::size_t foldersListed() const { return listed_.size(); }

 private:
  void takeFolder(const std::wstring& folder, const std::wstring& name, std::uint32_t attributes);
  void addPicture(const std::wstring& path, const std::wstring& extensionSource, const FoundItem& times,
                  std::vector<ExhibitEntry>& found) const;

  FolderLister& lister_;
  WalkRules rules_;
  std::deque<std::wstring> queue_;
  std::unordered_set<std::wstring> listed_;  // folded, without trailing backslash
  std::vector<FoundItem> items_;
};

// A folder path folded for comparison: letter case ignored, no trailing backslash.
std::wstring folderKey(const std::wstring& folder);

// True when `folder` is `target` itself or lies below it, comparing whole components
// and ignoring letter case.
bool isSameOrBelow(const std::wstring& folder, const std::wstring& target);

}  // namespace vistelo
