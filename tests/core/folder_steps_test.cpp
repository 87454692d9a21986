#include "exhibit/folder_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vistelo {
namespace {

std::vector<ExhibitEntry> entriesOf(std::initializer_list<const wchar_t*> paths) {
  std::vector<ExhibitEntry> list;
  for (const wchar_t* p : paths) list.push_back(ExhibitEntry{p, {}, {}, {}});
  return list;
}

// Two folders A and B, sorted by name.
const std::vector<ExhibitEntry> kTwoFolders = entriesOf({
    L"C:\\A\\1.jpg", L"C:\\A\\2.jpg", L"C:\\A\\3.jpg",
    L"C:\\B\\1.jpg", L"C:\\B\\2.jpg", L"C:\\B\\3.jpg", L"C:\\B\\4.jpg",
});

TEST(FolderStepsTest, NextFromAnywhereInAGoesToTheFirstOfB) {
  for (std::uint32_t i = 0; i < 3; ++i) EXPECT_EQ(nextFolderIndex(kTwoFolders, i), 3u) << i;
}

TEST(FolderStepsTest, NextFromBWrapsToTheFirstOfA) {
  for (std::uint32_t i = 3; i < 7; ++i) EXPECT_EQ(nextFolderIndex(kTwoFolders, i), 0u) << i;
}

TEST(FolderStepsTest, PrevFromTheMiddleOrFirstOfBGoesToTheFirstOfA) {
  EXPECT_EQ(prevFolderIndex(kTwoFolders, 5), 0u);
  EXPECT_EQ(prevFolderIndex(kTwoFolders, 6), 0u);
  EXPECT_EQ(prevFolderIndex(kTwoFolders, 3), 0u);
}

TEST(FolderStepsTest, PrevFromAWrapsToTheFirstOfB) {
  EXPECT_EQ(prevFolderIndex(kTwoFolders, 0), 3u);
  EXPECT_EQ(prevFolderIndex(kTwoFolders, 2), 3u);
}

TEST(FolderStepsTest, AllInOneFolderLeavesTheIndexUnchanged) {
  const std::vector<ExhibitEntry> one = entriesOf({L"C:\\A\\1.jpg", L"C:\\A\\2.jpg", L"C:\\A\\3.jpg"});
  for (std::uint32_t i = 0; i < 3; ++i) {
    EXPECT_EQ(nextFolderIndex(one, i), i);
    EXPECT_EQ(prevFolderIndex(one, i), i);
  }
  const std::vector<ExhibitEntry> single = entriesOf({L"C:\\A\\1.jpg"});
  EXPECT_EQ(nextFolderIndex(single, 0), 0u);
  EXPECT_EQ(prevFolderIndex(single, 0), 0u);
}

TEST(FolderStepsTest, TheFolderIsThePathCutAtItsLastBackslashComparedExactly) {
  // Letter case counts; a subfolder is a different folder; file names do not matter.
  const std::vector<ExhibitEntry> list = entriesOf({
      L"C:\\A\\x.jpg", L"C:\\A\\y.png", L"C:\\a\\z.jpg", L"C:\\A\\s\\1.jpg", L"C:\\A\\s\\2.jpg", L"C:\\A\\3.jpg",
  });
  EXPECT_EQ(nextFolderIndex(list, 0), 2u);
  EXPECT_EQ(nextFolderIndex(list, 2), 3u);
  EXPECT_EQ(nextFolderIndex(list, 3), 5u);
  EXPECT_EQ(nextFolderIndex(list, 5), 2u);  // wraps past entries 0 and 1, same folder as 5
  EXPECT_EQ(prevFolderIndex(list, 5), 3u);
  EXPECT_EQ(prevFolderIndex(list, 4), 2u);
  EXPECT_EQ(prevFolderIndex(list, 2), 0u);
  // From 0 the walk wraps to entry 5 (folder C:\A\ too), then to 4, whose run starts at 3.
  EXPECT_EQ(prevFolderIndex(list, 0), 3u);
}

TEST(FolderStepsTest, PrevRunStopsAtEntryZeroWithoutWrapping) {
  // The run found by Prev is walked back without wrapping even when the list's last
  // entries share its folder.
  const std::vector<ExhibitEntry> list = entriesOf({L"C:\\B\\1.jpg", L"C:\\B\\2.jpg", L"C:\\A\\1.jpg", L"C:\\B\\3.jpg"});
  EXPECT_EQ(prevFolderIndex(list, 2), 0u);
  EXPECT_EQ(prevFolderIndex(list, 3), 2u);
  EXPECT_EQ(prevFolderIndex(list, 0), 2u);
  EXPECT_EQ(nextFolderIndex(list, 3), 2u);
}

TEST(FolderStepsTest, PathsWithoutBackslashShareTheEmptyFolder) {
  const std::vector<ExhibitEntry> list = entriesOf({L"a.jpg", L"b.jpg", L"\\c.jpg", L"d.jpg"});
  EXPECT_EQ(nextFolderIndex(list, 0), 2u);
  EXPECT_EQ(nextFolderIndex(list, 2), 3u);
  EXPECT_EQ(prevFolderIndex(list, 3), 2u);
  EXPECT_EQ(prevFolderIndex(list, 2), 0u);
}

TEST(FolderStepsTest, AnIndexOutsideTheListIsReturnedUnchanged) {
  EXPECT_EQ(nextFolderIndex(kTwoFolders, 7), 7u);
  EXPECT_EQ(prevFolderIndex(kTwoFolders, 9), 9u);
  EXPECT_EQ(nextFolderIndex({}, 0), 0u);
  EXPECT_EQ(prevFolderIndex({}, 0), 0u);
}

}  // namespace
}  // namespace vistelo
