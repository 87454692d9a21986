#pragma once
// A fresh folder under the system's temporary folder, removed with its files.
#include <windows.h>

#include <string>

class TempFolder {
 public:
  TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    path_ = std::wstring(base) + L"vistelo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(counter_++);
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempFolder() { removeTree(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring file(const wchar_t* name) const { return path_ + L"\\" + name; }

 private:
  static void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = folder + L"\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          removeTree(full);
        } else {
          SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(full.c_str());
        }
      } while (FindNextFileW(find, &data));
      FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
  }
  std::wstring path_;
  static inline int counter_ = 0;
};
