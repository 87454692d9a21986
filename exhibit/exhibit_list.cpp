#include "exhibit/exhibit_list.h"

#include "config/text_codec.h"

namespace vistelo {

const wchar_t* const kClipboardPath = L"Clipboard_Image";

bool isShortcutPath(const std::wstring& path) {
  return path.size() >= 4 && equalsIgnoringCase(path.substr(path.size() - 4), L".lnk");
}

void Exhibit::clear() {
  entries.clear();
  currentIndex = 0;
}

bool Exhibit::append(const ExhibitEntry& entry) { return insert(count(), entry); }

bool Exhibit::insert(std::uint32_t position, const ExhibitEntry& entry) {
  if (!fitsPathBuffer(entry.path) || position > count()) return false;
  if (entries.size() == entries.capacity()) entries.reserve(entries.empty() ? 1 : entries.size() * 2);
  entries.insert(entries.begin() + position, entry);
  return true;
}

void Exhibit::removeCurrent() {
  if (currentIndex >= count()) return;
  entries.erase(entries.begin() + currentIndex);
  if (currentIndex >= count()) currentIndex = 0;
}

std::int32_t Exhibit::findPath(const std::wstring& path) const {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].path == path) return static_cast<std::int32_t>(i);
  }
  return kNotFound;
}

std::int32_t Exhibit::findThroughShortcut(const std::wstring& path, ShortcutResolver& resolver) const {
  std::wstring target;
  if (isShortcutPath(path)) {
    if (!resolver.resolveTarget(path, target)) return kNotFound;
    return findPath(target);
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (isShortcutPath(entries[i].path) && resolver.resolveTarget(entries[i].path, target) && target == path)
      return static_cast<std::int32_t>(i);
  }
  return kNotFound;
}

std::int32_t Exhibit::indexOfPath(const std::wstring& path, ShortcutResolver& resolver) const {
  if (entries.empty() || path.empty()) return kNotFound;
  const std::int32_t found = findPath(path);
  return found != kNotFound ? found : findThroughShortcut(path, resolver);
}

void Exhibit::locateCurrentPath(ShortcutResolver& resolver) {
  const std::int32_t found = currentPath.empty() ? kNotFound : indexOfPath(currentPath.c_str(), resolver);
  currentIndex = found == kNotFound ? 0 : static_cast<std::uint32_t>(found);
}

void Exhibit::saveExhibit(const ExhibitView& view) {
  savedEntries = entries;
  savedIndex = currentIndex;
  savedView = view;
}

bool Exhibit::restoreExhibit(ExhibitView& view) {
  if (savedEntries.empty()) return false;
  entries = savedEntries;
  filtered = false;
  view = savedView;
  currentIndex = savedIndex < count() ? savedIndex : count() - 1;
  return true;
}

}  // namespace vistelo
