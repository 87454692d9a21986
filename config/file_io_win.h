#pragma once
// Whole-file reading and safe replacement with the system's file calls.

#include <windows.h>

#include <string>

#include "config/replace_file.h"

// The path in the form the file calls accept beyond 259 characters.
std::wstring extendedPath(const std::wstring& path);

// A folder that exists; and a path whose attributes cannot be read or mark it offline.
bool isFolder(const std::wstring& path);
bool isUnavailable(const std::wstring& path);

// Reads at most `limit` bytes of the file; false when it cannot be opened or read.
// Other programs may have the file open for reading or writing meanwhile.
bool readWholeFile(const std::wstring& path, vistelo::Bytes& bytes, std::size_t limit);

class Win32FileStore : public vistelo::FileStore {
 public:
  Win32FileStore() = default;
  ~Win32FileStore() override;
  Win32FileStore(const Win32FileStore&) = delete;
  Win32FileStore& operator=(const Win32FileStore&) = delete;

  bool create(const std::wstring& path) override;
  bool write(const std::uint8_t* data, std::size_t size) override;
  bool close() override;
  bool replace(const std::wstring& from, const std::wstring& to) override;
  void remove(const std::wstring& path) override;

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
};

// Replaces the file's contents through a temporary file beside it.
bool writeFileSafely(const std::wstring& path, const vistelo::Bytes& bytes);
