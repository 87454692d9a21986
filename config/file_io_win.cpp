#include "config/file_io_win.h"

std::wstring extendedPath(const std::wstring& path) {
  if (path.size() < MAX_PATH) return path;
  if (path.compare(0, 4, L"\\\\?\\") == 0) return path;
  if (path.size() > 2 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
  if (path.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return path;
}

bool isFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isUnavailable(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_OFFLINE);
}

bool readWholeFile(const std::wstring& path, vistelo::Bytes& bytes, std::size_t limit) {
  HANDLE file = CreateFileW(extendedPath(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bytes.clear();
  bool ok = true;
  std::uint8_t buffer[16384];
  while (bytes.size() < limit) {
    DWORD want = static_cast<DWORD>(limit - bytes.size() < sizeof buffer ? limit - bytes.size() : sizeof buffer);
    DWORD got = 0;
    if (!ReadFile(file, buffer, want, &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + got);
  }
  CloseHandle(file);
  return ok;
}

Win32FileStore::~Win32FileStore() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

bool Win32FileStore::create(const std::wstring& path) {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  file_ = CreateFileW(extendedPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                      nullptr);
  return file_ != INVALID_HANDLE_VALUE;
}

bool Win32FileStore::write(const std::uint8_t* data, std::size_t size) {
  if (file_ == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  return WriteFile(file_, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool Win32FileStore::close() {
  if (file_ == INVALID_HANDLE_VALUE) return false;
  const bool flushed = FlushFileBuffers(file_) != FALSE;
  const bool closed = CloseHandle(file_) != FALSE;
  file_ = INVALID_HANDLE_VALUE;
  return flushed && closed;
}

bool Win32FileStore::replace(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(extendedPath(from).c_str(), extendedPath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void Win32FileStore::remove(const std::wstring& path) { DeleteFileW(extendedPath(path).c_str()); }

bool writeFileSafely(const std::wstring& path, const vistelo::Bytes& bytes) {
  Win32FileStore store;
  return vistelo::replaceFileContents(store, path, bytes);
}
