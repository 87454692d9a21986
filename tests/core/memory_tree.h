#pragma once
// An in-memory folder tree for driving the folder walk in tests.

#include <map>
#include <string>
#include <vector>

#include "exhibit/folder_walk.h"

namespace vistelo {

class MemoryTree : public FolderLister {
 public:
  int listCalls = 0;

  // Items are listed in the order they are added; parents are made as needed.
  MemoryTree& file(const std::wstring& path, std::uint64_t modified = 0) {
    FoundItem item = itemFor(path, 0);
    item.modified = {static_cast<std::uint32_t>(modified), static_cast<std::uint32_t>(modified >> 32)};
    add(path, item);
    return *this;
  }
  MemoryTree& folder(const std::wstring& path, std::uint32_t attributes = 0) {
    add(path, itemFor(path, attributes | kAttributeDirectory));
    folders_[path + L"\\"];
    return *this;
  }
  MemoryTree& shortcut(const std::wstring& path, const std::wstring& target, std::uint32_t targetAttributes = 0,
                       std::uint64_t targetModified = 0) {
    add(path, itemFor(path, 0));
    FoundItem data = itemFor(target, targetAttributes);
    data.modified = {static_cast<std::uint32_t>(targetModified), static_cast<std::uint32_t>(targetModified >> 32)};
    links_[path] = {target, data};
    return *this;
  }
  MemoryTree& brokenShortcut(const std::wstring& path) {
    add(path, itemFor(path, 0));
    return *this;
  }
  MemoryTree& unreadable(const std::wstring& folderPath) {
    unreadable_.push_back(folderPath + L"\\");
    return *this;
  }

  bool list(const std::wstring& folder, std::vector<FoundItem>& items) override {
    ++listCalls;
    for (const std::wstring& u : unreadable_)
      if (u == folder) return false;
    const auto it = folders_.find(folder);
    if (it == folders_.end()) return false;
    items.push_back(itemFor(folder + L".", kAttributeDirectory));
    items.push_back(itemFor(folder + L"..", kAttributeDirectory));
    items.insert(items.end(), it->second.begin(), it->second.end());
    return true;
  }

  bool resolveShortcut(const std::wstring& path, std::wstring& target, FoundItem& data) override {
    const auto it = links_.find(path);
    if (it == links_.end()) return false;
    target = it->second.first;
    data = it->second.second;
    return true;
  }

 private:
  static FoundItem itemFor(const std::wstring& path, std::uint32_t attributes) {
    FoundItem item;
    item.name = path.substr(path.find_last_of(L'\\') + 1);
    item.attributes = attributes;
    return item;
  }
  void add(const std::wstring& path, const FoundItem& item) {
    const std::wstring parent = path.substr(0, path.find_last_of(L'\\') + 1);
    folders_[parent].push_back(item);
  }
  std::map<std::wstring, std::vector<FoundItem>> folders_;
  std::map<std::wstring, std::pair<std::wstring, FoundItem>> links_;
  std::vector<std::wstring> unreadable_;
};

}  // namespace vistelo
