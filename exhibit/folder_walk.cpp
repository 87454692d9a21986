#include "exhibit/folder_walk.h"

#include "config/text_codec.h"
#include "exhibit/exhibit_list.h"

namespace vistelo {
namespace {

struct FormatRow {
  const wchar_t* extension;
  bool FormatSwitches::*flag;
};

const FormatRow kFormats[] = {
    {L".jpg", &FormatSwitches::jpg}, {L".jpeg", &FormatSwitches::jpg}, {L".gif", &FormatSwitches::gif},
    {L".bmp", &FormatSwitches::bmp}, {L".png", &FormatSwitches::png},   {L".tif", &FormatSwitches::tif},
    {L".tiff", &FormatSwitches::tif}, {L".emf", &FormatSwitches::emf},  {L".ico", &FormatSwitches::ico},
};

std::wstring withBackslash(const std::wstring& folder) {
  if (!folder.empty() && folder.back() == L'\\') return folder;
  return folder + L'\\';
}

std::wstring withoutBackslash(std::wstring folder) {
  while (folder.size() > 1 && folder.back() == L'\\') folder.pop_back();
  return folder;
}

}  // namespace

bool acceptsExtension(const std::wstring& extension, const FormatSwitches& formats) {
  for (const FormatRow& row : kFormats) {
    if (formats.*row.flag && equalsIgnoringCase(extension, row.extension)) return true;
  }
  return false;
}

std::wstring extensionOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L'\\');
  const std::size_t dot = path.find_last_of(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return std::wstring();
  return path.substr(dot);
}

std::wstring folderKey(const std::wstring& folder) {
  std::wstring key = withoutBackslash(folder);
  for (wchar_t& c : key) c = foldCase(c);
  return key;
}

bool isSameOrBelow(const std::wstring& folder, const std::wstring& target) {
  const std::wstring f = folderKey(folder);
  const std::wstring t = folderKey(target);
  if (t.empty()) return false;
  if (f == t) return true;
  return f.size() > t.size() && f.compare(0, t.size(), t) == 0 && (f[t.size()] == L'\\' || t.back() == L'\\');
}

FolderWalk::FolderWalk(FolderLister& lister, const WalkRules& rules, const std::vector<std::wstring>& roots)
    : lister_(lister), rules_(rules), queue_(roots.begin(), roots.end()) {}

bool FolderWalk::listNextFolder(std::vector<ExhibitEntry>& found) {
  while (!queue_.empty()) {
    const std::wstring folder = withBackslash(queue_.front());
    queue_.pop_front();
    // Each folder once, however it was reached and however its name is spelt.
    if (!listed_.insert(folderKey(folder)).second) continue;
    // The pattern folder + "*" must fit a path buffer like every other path.
    if (folder.size() + 1 >= kPathCapacity) return true;
    items_.clear();
    if (!lister_.list(folder, items_)) return true;
    std::wstring target;
    FoundItem targetData;
    for (const FoundItem& item : items_) {
      const std::wstring path = folder + item.name;
      if (path.size() >= kPathCapacity) continue;
      const bool isFolder = (item.attributes & kAttributeDirectory) != 0;
      if (!isFolder && isShortcutPath(item.name)) {
        target.clear();
        targetData = FoundItem();
        if (!lister_.resolveShortcut(path, target, targetData) || target.empty()) continue;
        if (targetData.attributes & kAttributeDirectory) {
          // Shortcuts to the folder itself or to one of its ancestors lead back here.
          if (!isSameOrBelow(folder, target)) takeFolder(target, targetData.name, targetData.attributes);
        } else {
          addPicture(path, target, targetData, found);
        }
      } else if (isFolder) {
        // Junctions and other reparse points can loop back into the tree.
        if (!(item.attributes & kAttributeReparsePoint)) takeFolder(path, item.name, item.attributes);
      } else {
        addPicture(path, path, item, found);
      }
    }
    return true;
  }
  return false;
}

void FolderWalk::takeFolder(const std::wstring& folder, const std::wstring& name, std::uint32_t attributes) {
  if (!rules_.subfolders) return;
  if (name == L"." || name == L"..") return;
  if (name.find(L"RECYCLER") != std::wstring::npos) return;
  if (!rules_.hidden && (attributes & kAttributeHidden)) return;
  if (folder.size() >= kPathCapacity) return;
  queue_.push_back(folder);
}

void FolderWalk::addPicture(const std::wstring& path, const std::wstring& extensionSource, const FoundItem& times,
                            std::vector<ExhibitEntry>& found) const {
  if (!acceptsExtension(extensionOf(extensionSource), rules_.formats)) return;
  found.push_back(ExhibitEntry{path, times.created, times.modified, times.accessed});
}

}  // namespace vistelo
