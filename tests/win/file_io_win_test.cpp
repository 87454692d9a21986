#include "config/file_io_win.h"

#include <gtest/gtest.h>

#include "config/text_file.h"
#include "temp_folder.h"

namespace {

using vistelo::Bytes;

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

Bytes contents(const std::wstring& path) {
  Bytes bytes;
  readWholeFile(path, bytes, 1 << 20);
  return bytes;
}

TEST(WriteFileSafelyTest, CreatesAndReplacesLeavingNoTemporaryFile) {
  TempFolder folder;
  const std::wstring path = folder.file(L"vistelo.ini");
  ASSERT_TRUE(writeFileSafely(path, {1, 2, 3}));
  ASSERT_TRUE(writeFileSafely(path, {4, 5}));
  EXPECT_EQ(contents(path), (Bytes{4, 5}));
  EXPECT_FALSE(fileExists(vistelo::temporaryPathFor(path)));
}

TEST(WriteFileSafelyTest, TargetThatCannotBeReplacedKeepsOldContentsAndFails) {
  TempFolder folder;
  const std::wstring path = folder.file(L"vistelo.ini");
  CreateDirectoryW(path.c_str(), nullptr);  // a folder where the file should be
  EXPECT_FALSE(writeFileSafely(path, {1, 2, 3}));
  EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_FALSE(fileExists(vistelo::temporaryPathFor(path)));
}

TEST(WriteFileSafelyTest, MissingFolderFails) {
  TempFolder folder;
  EXPECT_FALSE(writeFileSafely(folder.file(L"no such folder\\vistelo.ini"), {1}));
}

TEST(ReadWholeFileTest, ReadsFileOthersHaveOpenForWriting) {
  TempFolder folder;
  const std::wstring path = folder.file(L"open.ini");
  ASSERT_TRUE(writeFileSafely(path, {7, 8, 9}));
  HANDLE other = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(contents(path), (Bytes{7, 8, 9}));
  CloseHandle(other);
}

TEST(ReadWholeFileTest, StopsAtLimit) {
  TempFolder folder;
  const std::wstring path = folder.file(L"big.ini");
  ASSERT_TRUE(writeFileSafely(path, Bytes(100000, 0x41)));
  Bytes bytes;
  ASSERT_TRUE(readWholeFile(path, bytes, 1000));
  EXPECT_EQ(bytes.size(), 1000u);
  EXPECT_FALSE(readWholeFile(folder.file(L"missing.ini"), bytes, 1000));
}

TEST(AppendLogLineTest, ByteOrderMarkOnceAndNeverTruncated) {
  TempFolder folder;
  const std::wstring path = folder.file(L"errors.log");
  ASSERT_TRUE(appendLogLine(path.c_str(), L"C:\\a.jpg"));
  ASSERT_TRUE(appendLogLine(path.c_str(), L"C:\\\u00e9.png"));
  EXPECT_EQ(contents(path), (Bytes{0xFF, 0xFE, 'C', 0, ':', 0, '\\', 0, 'a', 0, '.', 0, 'j', 0, 'p', 0, 'g', 0, '\r', 0,
                                   '\n', 0, 'C', 0, ':', 0, '\\', 0, 0xE9, 0, '.', 0, 'p', 0, 'n', 0, 'g', 0, '\r', 0,
                                   '\n', 0}));
}

TEST(ExtendedPathTest, OnlyLongPathsChange) {
  EXPECT_EQ(extendedPath(L"C:\\a.ini"), L"C:\\a.ini");
  const std::wstring longPath = L"C:\\" + std::wstring(300, L'x');
  EXPECT_EQ(extendedPath(longPath), L"\\\\?\\" + longPath);
  EXPECT_EQ(extendedPath(L"\\\\server\\" + std::wstring(300, L'x')), L"\\\\?\\UNC\\server\\" + std::wstring(300, L'x'));
}

}  // namespace
