#include "exhibit/folder_steps.h"

#include <cstddef>
#include <string>

namespace vistelo {
namespace {

// Length of the folder part of a path: up to and including its last backslash.
std::size_t folderLength(const std::wstring& path) {
  const std::size_t last = path.rfind(L'\\');
  return last == std::wstring::npos ? 0 : last + 1;
}

bool sameFolder(const std::wstring& a, const std::wstring& b) {
  const std::size_t n = folderLength(a);
  return n == folderLength(b) && a.compare(0, n, b, 0, n) == 0;
}

}  // namespace

std::uint32_t nextFolderIndex(const std::vector<ExhibitEntry>& entries, std::uint32_t index) {
  const auto count = static_cast<std::uint32_t>(entries.size());
  if (index >= count) return index;
  const std::wstring& here = entries[index].path;
  for (std::uint32_t j = (index + 1) % count; j != index; j = (j + 1) % count)
    if (!sameFolder(entries[j].path, here)) return j;
  return index;
}

std::uint32_t prevFolderIndex(const std::vector<ExhibitEntry>& entries, std::uint32_t index) {
  const auto count = static_cast<std::uint32_t>(entries.size());
  if (index >= count) return index;
  const std::wstring& here = entries[index].path;
  std::uint32_t j = index;
  do {
    j = (j == 0) ? count - 1 : j - 1;
    if (j == index) return index;
  } while (sameFolder(entries[j].path, here));
  while (j > 0 && sameFolder(entries[j - 1].path, entries[j].path)) --j;
  return j;
}

}  // namespace vistelo
