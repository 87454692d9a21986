#pragma once
// One picture file of the exhibit.

#include <cstdint>
#include <string>

#include "config/fixed_text.h"

namespace vistelo {

// A file time: 100-nanosecond intervals since 1 January 1601 (UTC), as two halves.
struct FileTime {
  std::uint32_t low = 0;
  std::uint32_t high = 0;
  std::uint64_t ticks() const { return (static_cast<std::uint64_t>(high) << 32) | low; }
  bool operator==(const FileTime& o) const { return low == o.low && high == o.high; }
};

struct ExhibitEntry {
  // Full path as found: for a shortcut the ".lnk" file itself, not its target.
  std::wstring path;
  FileTime created;
  FileTime modified;
  // Stamped with the current time whenever the entry is shown.
  FileTime accessed;
};

// True when the path can be an entry: not empty and short enough for the program's
// 260-character path buffers.
inline bool fitsPathBuffer(const std::wstring& path) {
  return !path.empty() && path.size() < kPathCapacity && path.find(L'\0') == std::wstring::npos;
}

// The path up to its last backslash (the whole path when it has none).
inline std::wstring folderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? path : path.substr(0, slash);
}

}  // namespace vistelo
