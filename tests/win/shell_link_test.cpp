#include "exhibit/shell_link.h"

#include <cstring>

#include <gtest/gtest.h>

#include "config/file_io_win.h"
#include "exhibit/shell_shortcuts.h"
#include "temp_folder.h"

namespace {

bool isZero(const WIN32_FIND_DATAW& data) {
  const WIN32_FIND_DATAW zero = {};
  return std::memcmp(&data, &zero, sizeof data) == 0;
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void setWriteTime(const std::wstring& path, std::uint64_t ticks) {
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME t = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SetFileTime(file, nullptr, nullptr, &t);
  CloseHandle(file);
}

bool underWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::uint64_t ticksOf(const FILETIME& t) {
  return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info) {
  return info.param.name;
}

// Writes a shortcut to `target` at `shortcut` with a link object of its own.
bool makeShortcut(const std::wstring& target, const std::wstring& shortcut) {
  ShellLink link;
  return SUCCEEDED(link.open()) && link.createAt(target.c_str(), shortcut.c_str());
}

// COM for the tests that ask the shell for objects, as the window thread has it.
class ComThread : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override { CoUninitialize(); }
};

struct RoundTripCase {
  const char* name;
  bool folder;
};

class ShellLinkRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ShellLinkRoundTripTest, ResolveGivesTargetAndItsFindData) {
  TempFolder folder;
  const std::wstring target = folder.file(L"target");
  if (GetParam().folder) {
    ASSERT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
  } else {
    ASSERT_TRUE(writeFileSafely(target, {1, 2, 3, 4, 5}));
  }
  const std::wstring shortcut = folder.file(L"target.lnk");
  ShellLink link;
  ASSERT_EQ(link.open(), S_OK);
  ASSERT_TRUE(link.createAt(target.c_str(), shortcut.c_str()));

  wchar_t found[MAX_PATH];
  for (bool repair : {false, true}) {
    SCOPED_TRACE(repair ? "repair" : "no repair");
    ASSERT_EQ(link.resolve(shortcut.c_str(), found, repair), S_OK);
    EXPECT_STREQ(found, target.c_str());
    EXPECT_EQ((link.targetData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, GetParam().folder);
    if (!GetParam().folder) {
      EXPECT_EQ(link.targetData.nFileSizeLow, 5u);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, ShellLinkRoundTripTest,
                         ::testing::Values(RoundTripCase{"File", false}, RoundTripCase{"Folder", true}),
                         caseName<RoundTripCase>);

TEST(ShellLinkTest, DeletedTargetStillGivesRecordedPathAndFindDataWithoutRepair) {
  TempFolder folder;
  const std::wstring target = folder.file(L"gone.jpg");
  ASSERT_TRUE(writeFileSafely(target, {9, 9, 9}));
  setWriteTime(target, 130000000000000000ull);
  const std::wstring shortcut = folder.file(L"gone.lnk");
  ASSERT_TRUE(makeShortcut(target, shortcut));
  ASSERT_TRUE(DeleteFileW(target.c_str()));

  ShellLink link;
  ASSERT_EQ(link.open(), S_OK);
  wchar_t found[MAX_PATH];
  ASSERT_EQ(link.resolve(shortcut.c_str(), found, false), S_OK);
  EXPECT_STREQ(found, target.c_str());
  EXPECT_FALSE(link.targetData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  // Wine writes no target data into a shortcut and reports the live file's instead.
  if (!underWine()) {
    EXPECT_EQ(link.targetData.nFileSizeLow, 3u);
    EXPECT_EQ(ticksOf(link.targetData.ftLastWriteTime), 130000000000000000ull);
  }
}

// A shortcut written through the link object directly, for what createAt cannot make.
bool saveLink(const std::wstring& path, HRESULT (*fill)(IShellLinkW*)) {
  ShellLink link;
  return SUCCEEDED(link.open()) && SUCCEEDED(fill(link.shellLink)) &&
         SUCCEEDED(link.persistFile->Save(path.c_str(), TRUE));
}

HRESULT pointAtComputer(IShellLinkW* link) {
  ITEMIDLIST* computer = nullptr;
  HRESULT hr = SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer);
  if (FAILED(hr)) return hr;
  hr = link->SetIDList(computer);
  CoTaskMemFree(computer);
  return hr;
}

bool writeGarbage(const std::wstring& path) { return writeFileSafely(path, vistelo::Bytes(200, 0x5A)); }
bool writeNothing(const std::wstring&) { return true; }
bool writeText(const std::wstring& path) { return writeFileSafely(path, {'h', 'i', '\r', '\n'}); }
bool writeComputerLink(const std::wstring& path) { return saveLink(path, pointAtComputer); }

struct NotAShortcutCase {
  const char* name;
  bool (*make)(const std::wstring& path);
};

class ShellLinkNotAShortcutTest : public ::testing::TestWithParam<NotAShortcutCase> {};

TEST_P(ShellLinkNotAShortcutTest, FailsWithEmptyTargetEvenAfterGoodShortcut) {
  TempFolder folder;
  const std::wstring image = folder.file(L"good.jpg");
  ASSERT_TRUE(writeFileSafely(image, {1}));
  ASSERT_TRUE(makeShortcut(image, folder.file(L"good.lnk")));
  const std::wstring bad = folder.file(L"x.lnk");
  ASSERT_TRUE(GetParam().make(bad));

  ShellLink link;
  ASSERT_EQ(link.open(), S_OK);
  wchar_t found[MAX_PATH];
  for (bool repair : {false, true}) {
    SCOPED_TRACE(repair ? "repair" : "no repair");
    ASSERT_EQ(link.resolve(folder.file(L"good.lnk").c_str(), found, false), S_OK);
    ASSERT_STREQ(found, image.c_str());
    EXPECT_TRUE(FAILED(link.resolve(bad.c_str(), found, repair)));
    EXPECT_STREQ(found, L"");
    EXPECT_TRUE(isZero(link.targetData));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ShellLinkNotAShortcutTest,
    ::testing::Values(NotAShortcutCase{"Garbage", writeGarbage}, NotAShortcutCase{"Missing", writeNothing},
                      NotAShortcutCase{"Text", writeText}, NotAShortcutCase{"NoFileSystemPath", writeComputerLink}),
    caseName<NotAShortcutCase>);

TEST(ShellLinkTest, UnopenedLinkFailsAndClearsTarget) {
  TempFolder folder;
  const std::wstring image = folder.file(L"a.jpg");
  ASSERT_TRUE(writeFileSafely(image, {1}));
  ASSERT_TRUE(makeShortcut(image, folder.file(L"a.lnk")));

  ShellLink link;
  wchar_t found[MAX_PATH] = L"stale";
  EXPECT_TRUE(FAILED(link.resolve(folder.file(L"a.lnk").c_str(), found, false)));
  EXPECT_STREQ(found, L"");
  EXPECT_FALSE(link.createAt(image.c_str(), folder.file(L"b.lnk").c_str()));
  EXPECT_FALSE(exists(folder.file(L"b.lnk")));
}

TEST(ShellLinkTest, ClosedTwiceThenReopenedStillWorks) {
  TempFolder folder;
  const std::wstring image = folder.file(L"a.jpg");
  ASSERT_TRUE(writeFileSafely(image, {1}));
  ShellLink link;
  ASSERT_EQ(link.open(), S_OK);
  link.close();
  link.close();
  EXPECT_EQ(link.shellLink, nullptr);
  EXPECT_EQ(link.persistFile, nullptr);
  wchar_t found[MAX_PATH];
  EXPECT_FALSE(link.createAt(image.c_str(), folder.file(L"a.lnk").c_str()));
  ASSERT_EQ(link.open(), S_OK);
  ASSERT_EQ(link.open(), S_OK);  // opening an open link replaces its object
  ASSERT_TRUE(link.createAt(image.c_str(), folder.file(L"a.lnk").c_str()));
  ASSERT_EQ(link.resolve(folder.file(L"a.lnk").c_str(), found, false), S_OK);
  EXPECT_STREQ(found, image.c_str());
}

struct RefusedCreateCase {
  const char* name;
  std::wstring target;    // inside the test folder unless empty
  std::wstring shortcut;  // inside the test folder
};

class ShellLinkRefusedCreateTest : public ::testing::TestWithParam<RefusedCreateCase> {};

TEST_P(ShellLinkRefusedCreateTest, FailsAndWritesNothing) {
  TempFolder folder;
  ASSERT_TRUE(writeFileSafely(folder.file(L"a.jpg"), {1}));
  const std::wstring target = GetParam().target.empty() ? L"" : folder.file(GetParam().target.c_str());
  const std::wstring shortcut = folder.file(GetParam().shortcut.c_str());
  ShellLink link;
  ASSERT_EQ(link.open(), S_OK);
  EXPECT_FALSE(link.createAt(target.c_str(), shortcut.c_str()));
  EXPECT_FALSE(exists(shortcut));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShellLinkRefusedCreateTest,
    ::testing::Values(RefusedCreateCase{"FolderMissing", L"a.jpg", L"no such folder\\a.lnk"},
                      RefusedCreateCase{"EmptyTarget", L"", L"a.lnk"},
                      RefusedCreateCase{"TargetTooLongForPathBuffer", std::wstring(280, L'x') + L".jpg", L"a.lnk"}),
    caseName<RefusedCreateCase>);

TEST(ShellLinkTest, ShortcutMadeAfterReadingAnotherCarriesNothingOfIt) {
  TempFolder folder;
  const std::wstring first = folder.file(L"first.jpg");
  const std::wstring second = folder.file(L"second.jpg");
  ASSERT_TRUE(writeFileSafely(first, {1}));
  ASSERT_TRUE(writeFileSafely(second, {2}));
  {
    ShellLink link;
    ASSERT_EQ(link.open(), S_OK);
    ASSERT_EQ(link.shellLink->SetArguments(L"/slideshow"), S_OK);
    ASSERT_TRUE(link.createAt(first.c_str(), folder.file(L"first.lnk").c_str()));
  }
  ShellLink link;
  ASSERT_EQ(link.open(), S_OK);
  wchar_t found[MAX_PATH];
  ASSERT_EQ(link.resolve(folder.file(L"first.lnk").c_str(), found, false), S_OK);
  ASSERT_TRUE(link.createAt(second.c_str(), folder.file(L"second.lnk").c_str()));

  ShellLink reader;
  ASSERT_EQ(reader.open(), S_OK);
  ASSERT_EQ(reader.resolve(folder.file(L"second.lnk").c_str(), found, false), S_OK);
  EXPECT_STREQ(found, second.c_str());
  wchar_t arguments[MAX_PATH] = L"unread";
  ASSERT_TRUE(SUCCEEDED(reader.shellLink->GetArguments(arguments, MAX_PATH)));
  EXPECT_STREQ(arguments, L"");
}

TEST(ShellShortcutResolverTest, ReadsTargetAndFailsEmptyOnNonShortcut) {
  TempFolder folder;
  const std::wstring image = folder.file(L"a.jpg");
  ASSERT_TRUE(writeFileSafely(image, {1}));
  ASSERT_TRUE(makeShortcut(image, folder.file(L"a.lnk")));
  ASSERT_TRUE(writeFileSafely(folder.file(L"x.lnk"), vistelo::Bytes(100, 0x33)));

  ShellShortcutResolver resolver;
  std::wstring target;
  EXPECT_TRUE(resolver.resolveTarget(folder.file(L"a.lnk"), target));
  EXPECT_EQ(target, image);
  EXPECT_FALSE(resolver.resolveTarget(folder.file(L"x.lnk"), target));
  EXPECT_EQ(target, L"");
  target = L"stale";
  EXPECT_FALSE(resolver.resolveTarget(L"", target));
  EXPECT_EQ(target, L"");
}

vistelo::ExhibitEntry entryAt(const std::wstring& path) { return vistelo::ExhibitEntry{path, {}, {}, {}}; }

TEST(ShellShortcutResolverTest, IndexOfPathFindsImagesThroughShortcuts) {
  TempFolder folder;
  const std::wstring image = folder.file(L"pic.jpg");
  const std::wstring other = folder.file(L"other.jpg");
  const std::wstring shortcut = folder.file(L"pic.lnk");
  ASSERT_TRUE(writeFileSafely(image, {1}));
  ASSERT_TRUE(writeFileSafely(other, {2}));
  ASSERT_TRUE(makeShortcut(image, shortcut));
  ASSERT_TRUE(writeFileSafely(folder.file(L"broken.lnk"), vistelo::Bytes(100, 0x33)));
  ASSERT_TRUE(makeShortcut(other, folder.file(L"other.lnk")));
  ShellShortcutResolver resolver;

  // An image path no entry holds: the entry of a shortcut to it, past one that cannot
  // be read and one to another image.
  vistelo::Exhibit throughShortcut;
  throughShortcut.append(entryAt(other));
  throughShortcut.append(entryAt(folder.file(L"broken.lnk")));
  throughShortcut.append(entryAt(folder.file(L"other.lnk")));
  throughShortcut.append(entryAt(shortcut));
  EXPECT_EQ(throughShortcut.indexOfPath(image, resolver), 3);

  // A shortcut path no entry holds: the entry of its target.
  vistelo::Exhibit targets;
  targets.append(entryAt(other));
  targets.append(entryAt(image));
  EXPECT_EQ(targets.indexOfPath(shortcut, resolver), 1);
  targets.currentPath.assign(shortcut);
  targets.locateCurrentPath(resolver);
  EXPECT_EQ(targets.currentIndex, 1u);
  EXPECT_EQ(targets.indexOfPath(folder.file(L"broken.lnk"), resolver), vistelo::Exhibit::kNotFound);
}

TEST(DesktopDirectoryTest, IsAnExistingFolder) {
  wchar_t desktop[MAX_PATH] = L"";
  ASSERT_EQ(desktopDirectory(desktop), S_OK);
  EXPECT_NE(desktop[0], L'\0');
  const DWORD attributes = GetFileAttributesW(desktop);
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct ShellObjectCase {
  const char* name;
  std::vector<std::wstring> files;  // inside the test folder; made as files unless present or "missing"
  const IID* iid;
  bool expected;
};

class ShellObjectForTest : public ComThread, public ::testing::WithParamInterface<ShellObjectCase> {};

TEST_P(ShellObjectForTest, AsksTheShell) {
  TempFolder folder;
  CreateDirectoryW(folder.file(L"one").c_str(), nullptr);
  CreateDirectoryW(folder.file(L"two").c_str(), nullptr);
  std::vector<std::wstring> paths;
  for (const std::wstring& name : GetParam().files) {
    paths.push_back(folder.file(name.c_str()));
    if (name.find(L"missing") == std::wstring::npos && !exists(paths.back())) {
      ASSERT_TRUE(writeFileSafely(paths.back(), {1}));
    }
  }
  IUnknown* object = reinterpret_cast<IUnknown*>(0x1);
  EXPECT_EQ(shellObjectFor(paths, *GetParam().iid, reinterpret_cast<void**>(&object)), GetParam().expected);
  if (GetParam().expected) {
    ASSERT_NE(object, nullptr);
    object->Release();
  } else {
    EXPECT_EQ(object, nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShellObjectForTest,
    ::testing::Values(
        ShellObjectCase{"TwoFilesOneFolderContextMenu", {L"one\\a.jpg", L"one\\b.jpg"}, &IID_IContextMenu, true},
        ShellObjectCase{"TwoFilesOneFolderDataObject", {L"one\\a.jpg", L"one\\b.jpg"}, &IID_IDataObject, true},
        ShellObjectCase{"FilesInTwoFoldersContextMenu", {L"one\\a.jpg", L"two\\b.jpg"}, &IID_IContextMenu, true},
        ShellObjectCase{"FilesInTwoFoldersDataObject", {L"one\\a.jpg", L"two\\b.jpg"}, &IID_IDataObject, true},
        ShellObjectCase{"FileAndItsFolder", {L"one\\a.jpg", L"one"}, &IID_IContextMenu, true},
        ShellObjectCase{"EmptyList", {}, &IID_IContextMenu, false},
        ShellObjectCase{"MissingInOneFolder", {L"one\\a.jpg", L"one\\missing.jpg"}, &IID_IContextMenu, false},
        ShellObjectCase{"MissingInTwoFolders", {L"one\\a.jpg", L"two\\missing.jpg"}, &IID_IContextMenu, false},
        ShellObjectCase{"MissingFolder", {L"missing\\a.jpg"}, &IID_IContextMenu, false}),
    caseName<ShellObjectCase>);

TEST_F(ComThread, ShellObjectForBareDriveIsItsRoot) {
  wchar_t windows[MAX_PATH];
  ASSERT_NE(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
  const std::wstring drive(windows, 2);  // "C:"
  for (const std::wstring& path : {drive, drive + L"\\"}) {
    SCOPED_TRACE(path.size() == 2 ? "bare drive" : "drive root");
    IContextMenu* menu = nullptr;
    ASSERT_TRUE(shellObjectFor({path}, IID_IContextMenu, reinterpret_cast<void**>(&menu)));
    ASSERT_NE(menu, nullptr);
    menu->Release();
  }
}

}  // namespace
