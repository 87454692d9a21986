#include "exhibit/entry_from_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "config/file_io_win.h"
#include "temp_folder.h"

namespace {

vistelo::FileTime writeTimeOf(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return {data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime};
}

void setWriteTime(const std::wstring& path, std::uint64_t ticks) {
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME t = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SetFileTime(file, nullptr, nullptr, &t);
  CloseHandle(file);
}

TEST(EntryFromFileTest, ReadsTimesOfFileHeldOpenWithoutSharing) {
  TempFolder folder;
  const std::wstring path = folder.file(L"held.jpg");
  ASSERT_TRUE(writeFileSafely(path, {1, 2, 3}));
  setWriteTime(path, 130000000000000000ull);
  HANDLE holder = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  vistelo::ExhibitEntry entry;
  EXPECT_TRUE(entryFromFile(path, entry));
  CloseHandle(holder);
  EXPECT_EQ(entry.path, path);
  EXPECT_EQ(entry.modified.ticks(), 130000000000000000ull);
  EXPECT_EQ(entry.modified, writeTimeOf(path));
  EXPECT_NE(entry.created.ticks(), 0u);
}

TEST(EntryFromFileTest, MissingFileGivesEntryWithoutTimes) {
  TempFolder folder;
  vistelo::ExhibitEntry entry;
  EXPECT_FALSE(entryFromFile(folder.file(L"gone.jpg"), entry));
  EXPECT_EQ(entry.path, folder.file(L"gone.jpg"));
  EXPECT_EQ(entry.modified.ticks(), 0u);
}

TEST(EntryFromFileTest, PathTooLongForBufferMakesNoEntry) {
  vistelo::ExhibitEntry entry{L"untouched", {}, {}, {}};
  EXPECT_FALSE(entryFromFile(L"C:\\" + std::wstring(257, L'x'), entry));
  EXPECT_EQ(entry.path, L"untouched");
}

}  // namespace
