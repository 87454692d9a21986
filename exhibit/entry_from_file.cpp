#include "exhibit/entry_from_file.h"

#include <windows.h>

namespace {

vistelo::FileTime fromFiletime(const FILETIME& t) { return {t.dwLowDateTime, t.dwHighDateTime}; }

}  // namespace

bool entryFromFile(const std::wstring& path, vistelo::ExhibitEntry& entry) {
  if (!vistelo::fitsPathBuffer(path)) return false;
  entry = vistelo::ExhibitEntry{path, {}, {}, {}};
  FILETIME created, accessed, modified;
  HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    const bool got = GetFileTime(file, &created, &accessed, &modified) != FALSE;
    CloseHandle(file);
    if (got) {
      entry.created = fromFiletime(created);
      entry.accessed = fromFiletime(accessed);
      entry.modified = fromFiletime(modified);
      return true;
    }
  }
  // The directory entry answers even when the file itself cannot be opened.
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
  entry.created = fromFiletime(data.ftCreationTime);
  entry.accessed = fromFiletime(data.ftLastAccessTime);
  entry.modified = fromFiletime(data.ftLastWriteTime);
  return true;
}
