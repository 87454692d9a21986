#include "exhibit/exhibit_list.h"

#include <gtest/gtest.h>

#include <map>

namespace vistelo {
namespace {

// Shortcuts and their targets, as the shell would resolve them.
class FakeResolver : public ShortcutResolver {
 public:
  std::map<std::wstring, std::wstring> targets;
  int calls = 0;
  bool resolveTarget(const std::wstring& shortcut, std::wstring& target) override {
    ++calls;
    const auto it = targets.find(shortcut);
    if (it == targets.end()) return false;
    target = it->second;
    return true;
  }
};

ExhibitEntry entry(const std::wstring& path) { return ExhibitEntry{path, {}, {}, {}}; }

Exhibit exhibitOf(std::initializer_list<const wchar_t*> paths) {
  Exhibit e;
  for (const wchar_t* p : paths) e.append(entry(p));
  return e;
}

TEST(ExhibitTest, RemovingOnlyEntryLeavesEmptyListAtZero) {
  Exhibit e = exhibitOf({L"C:\\a.jpg"});
  e.removeCurrent();
  EXPECT_TRUE(e.empty());
  EXPECT_EQ(e.currentIndex, 0u);
  e.removeCurrent();  // nothing left to remove
  EXPECT_TRUE(e.empty());
}

TEST(ExhibitTest, RemovingLastOfSeveralMakesFirstCurrent) {
  Exhibit e = exhibitOf({L"a", L"b", L"c"});
  e.currentIndex = 2;
  e.removeCurrent();
  EXPECT_EQ(e.currentIndex, 0u);
  EXPECT_EQ(e.count(), 2u);
}

TEST(ExhibitTest, RemovingMiddleKeepsPositionOnFollowingEntry) {
  Exhibit e = exhibitOf({L"a", L"b", L"c"});
  e.currentIndex = 1;
  e.removeCurrent();
  EXPECT_EQ(e.entries[e.currentIndex].path, L"c");
}

TEST(ExhibitTest, PathThatDoesNotFitIsRefused) {
  Exhibit e;
  EXPECT_TRUE(e.append(entry(std::wstring(259, L'x'))));
  EXPECT_FALSE(e.append(entry(std::wstring(260, L'x'))));
  EXPECT_FALSE(e.append(entry(L"")));
  EXPECT_FALSE(e.insert(0, entry(std::wstring(L"a\0b", 3))));
  EXPECT_FALSE(e.insert(5, entry(L"past the end")));
  EXPECT_EQ(e.count(), 1u);
}

TEST(ExhibitTest, InsertBeforePositionAndAtEnd) {
  Exhibit e = exhibitOf({L"a", L"c"});
  ASSERT_TRUE(e.insert(1, entry(L"b")));
  ASSERT_TRUE(e.insert(3, entry(L"d")));
  ASSERT_EQ(e.count(), 4u);
  EXPECT_EQ(e.entries[1].path, L"b");
  EXPECT_EQ(e.entries[3].path, L"d");
}

struct LookupCase {
  const char* name;
  const wchar_t* path;
  std::int32_t expected;
};

class LookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupTest, IndexOfPath) {
  Exhibit e = exhibitOf({L"C:\\p\\a.jpg", L"C:\\p\\b.jpg", L"C:\\p\\a.jpg", L"C:\\p\\link to c.LNK", L"C:\\p\\broken.lnk"});
  FakeResolver resolver;
  resolver.targets[L"C:\\p\\link to c.LNK"] = L"C:\\q\\c.png";
  resolver.targets[L"C:\\desk\\b.lnk"] = L"C:\\p\\b.jpg";
  EXPECT_EQ(e.indexOfPath(GetParam().path, resolver), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LookupTest,
    ::testing::Values(LookupCase{"duplicate_gives_first", L"C:\\p\\a.jpg", 0},
                      LookupCase{"exact_letter_case", L"C:\\P\\a.jpg", -1},
                      LookupCase{"empty_path", L"", -1},
                      LookupCase{"image_found_through_shortcut_entry", L"C:\\q\\c.png", 3},
                      LookupCase{"shortcut_path_finds_its_target", L"C:\\desk\\b.lnk", 1},
                      LookupCase{"unresolvable_shortcut_matches_nothing", L"C:\\nowhere.lnk", -1},
                      LookupCase{"absent_image", L"C:\\p\\z.jpg", -1}),
    [](const ::testing::TestParamInfo<LookupCase>& p) { return std::string(p.param.name); });

TEST(ExhibitTest, EmptyListFindsNothingWithoutResolving) {
  Exhibit e;
  FakeResolver resolver;
  EXPECT_EQ(e.indexOfPath(L"C:\\x.lnk", resolver), -1);
  EXPECT_EQ(resolver.calls, 0);
}

TEST(ExhibitTest, LocateCurrentPathThroughShortcut) {
  Exhibit e = exhibitOf({L"C:\\a.jpg", L"C:\\b.jpg"});
  FakeResolver resolver;
  resolver.targets[L"C:\\desk\\b.lnk"] = L"C:\\b.jpg";
  e.currentPath.assign(L"C:\\desk\\b.lnk");
  e.locateCurrentPath(resolver);
  EXPECT_EQ(e.currentIndex, 1u);
  e.currentPath.assign(L"C:\\gone.jpg");
  e.locateCurrentPath(resolver);
  EXPECT_EQ(e.currentIndex, 0u);
  e.currentIndex = 1;
  e.currentPath.clear();
  e.locateCurrentPath(resolver);
  EXPECT_EQ(e.currentIndex, 0u);
}

TEST(ExhibitTest, RestoreClampsIndexToSavedList) {
  Exhibit e = exhibitOf({L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8"});
  e.currentIndex = 7;
  ExhibitView view;
  view.sortby = 4;
  e.saveExhibit(view);
  e.savedEntries.resize(5);  // the saved list lost entries meanwhile
  e.clear();
  e.filtered = true;
  ExhibitView restored;
  ASSERT_TRUE(e.restoreExhibit(restored));
  EXPECT_EQ(e.count(), 5u);
  EXPECT_EQ(e.currentIndex, 4u);
  EXPECT_EQ(restored.sortby, 4);
  EXPECT_FALSE(e.filtered);
  EXPECT_EQ(e.savedEntries.size(), 5u);  // the saved copy stays
}

TEST(ExhibitTest, RestoreWithNothingSavedChangesNothing) {
  Exhibit e = exhibitOf({L"a", L"b"});
  e.currentIndex = 1;
  e.filtered = true;
  ExhibitView view;
  view.sort = 2;
  EXPECT_FALSE(e.restoreExhibit(view));
  EXPECT_EQ(e.count(), 2u);
  EXPECT_EQ(e.currentIndex, 1u);
  EXPECT_TRUE(e.filtered);
  EXPECT_EQ(view.sort, 2);
}

TEST(ExhibitTest, ClipboardPseudoPath) {
  Exhibit e;
  e.currentPath.assign(kClipboardPath);
  EXPECT_TRUE(e.showsClipboardPicture());
  e.currentPath.assign(L"C:\\Clipboard_Image");
  EXPECT_FALSE(e.showsClipboardPicture());
}

TEST(ShortcutPathTest, LnkEndingInAnyCase) {
  EXPECT_TRUE(isShortcutPath(L"a.lnk"));
  EXPECT_TRUE(isShortcutPath(L"C:\\x\\B.LnK"));
  EXPECT_FALSE(isShortcutPath(L"lnk"));
  EXPECT_FALSE(isShortcutPath(L"a.lnk.jpg"));
}

}  // namespace
}  // namespace vistelo
