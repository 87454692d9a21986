#include "exhibit/folder_walk.h"

#include <gtest/gtest.h>

#include <functional>

#include "memory_tree.h"

namespace vistelo {
namespace {

struct WalkResult {
  std::vector<std::wstring> paths;       // every entry, in walk order
  std::vector<std::wstring> firstBatch;  // the entries present after the first fruitful folder
};

WalkResult walk(MemoryTree& tree, const WalkRules& rules, std::vector<std::wstring> roots) {
  FolderWalk folderWalk(tree, rules, roots);
  std::vector<ExhibitEntry> found;
  WalkResult result;
  while (folderWalk.listNextFolder(found)) {
    if (result.firstBatch.empty() && !found.empty()) {
      for (const ExhibitEntry& e : found) result.firstBatch.push_back(e.path);
    }
  }
  for (const ExhibitEntry& e : found) result.paths.push_back(e.path);
  return result;
}

using Paths = std::vector<std::wstring>;

struct WalkCase {
  const char* name;
  std::function<void(MemoryTree&)> build;
  std::function<void(WalkRules&)> rules;
  Paths expected;
  Paths expectedFirst;
};

class WalkTest : public ::testing::TestWithParam<WalkCase> {};

TEST_P(WalkTest, FindsPicturesInWalkOrder) {
  MemoryTree tree;
  GetParam().build(tree);
  WalkRules rules;
  if (GetParam().rules) GetParam().rules(rules);
  const WalkResult result = walk(tree, rules, {L"C:\\p"});
  EXPECT_EQ(result.paths, GetParam().expected);
  if (!GetParam().expectedFirst.empty()) {
    EXPECT_EQ(result.firstBatch, GetParam().expectedFirst);
  }
}

const std::wstring kLong(251, L'n');  // "C:\\p\\" + 251 + ".jpg" is 260 units

INSTANTIATE_TEST_SUITE_P(
    Scenarios, WalkTest,
    ::testing::Values(
        WalkCase{"breadth_first_and_first_result_after_first_fruitful_folder",
                 [](MemoryTree& tree) {
                   tree.folder(L"C:\\p\\a").folder(L"C:\\p\\b").file(L"C:\\p\\a\\1.jpg").folder(L"C:\\p\\a\\deep")
                       .file(L"C:\\p\\a\\deep\\3.png").file(L"C:\\p\\b\\2.gif").file(L"C:\\p\\notes.txt");
                 },
                 nullptr,
                 {L"C:\\p\\a\\1.jpg", L"C:\\p\\b\\2.gif", L"C:\\p\\a\\deep\\3.png"},
                 {L"C:\\p\\a\\1.jpg"}},
        WalkCase{"root_files_before_subfolders",
                 [](MemoryTree& tree) { tree.folder(L"C:\\p\\s").file(L"C:\\p\\s\\in.jpg").file(L"C:\\p\\top.jpg"); },
                 nullptr, {L"C:\\p\\top.jpg", L"C:\\p\\s\\in.jpg"}, {L"C:\\p\\top.jpg"}},
        WalkCase{"subfolders_off_keeps_root_files_and_image_shortcuts",
                 [](MemoryTree& tree) {
                   tree.folder(L"C:\\p\\s").file(L"C:\\p\\s\\in.jpg").file(L"C:\\p\\top.jpg")
                       .shortcut(L"C:\\p\\pic.lnk", L"D:\\x\\pic.png").shortcut(L"C:\\p\\dir.lnk", L"D:\\x", kAttributeDirectory)
                       .file(L"D:\\x\\other.jpg");
                 },
                 [](WalkRules& r) { r.subfolders = false; }, {L"C:\\p\\top.jpg", L"C:\\p\\pic.lnk"}, {}},
        WalkCase{"hidden_off_skips_hidden_folders_not_hidden_files",
                 [](MemoryTree& tree) {
                   tree.folder(L"C:\\p\\h", kAttributeHidden).file(L"C:\\p\\h\\no.jpg").file(L"C:\\p\\shy.jpg");
                 },
                 [](WalkRules& r) { r.hidden = false; }, {L"C:\\p\\shy.jpg"}, {}},
        WalkCase{"recycler_in_capitals_never_entered",
                 [](MemoryTree& tree) {
                   tree.folder(L"C:\\p\\RECYCLER").file(L"C:\\p\\RECYCLER\\x.jpg").folder(L"C:\\p\\oldRECYCLERbin")
                       .file(L"C:\\p\\oldRECYCLERbin\\y.jpg").folder(L"C:\\p\\recycler").file(L"C:\\p\\recycler\\z.jpg");
                 },
                 nullptr, {L"C:\\p\\recycler\\z.jpg"}, {}},
        WalkCase{"formats_by_extension_and_switch",
                 [](MemoryTree& tree) {
                   tree.file(L"C:\\p\\a.JPEG").file(L"C:\\p\\b.tiff").file(L"C:\\p\\photo").file(L"C:\\p\\c.Png")
                       .file(L"C:\\p\\d.ico").file(L"C:\\p\\e.jpg.txt");
                 },
                 nullptr, {L"C:\\p\\a.JPEG", L"C:\\p\\c.Png"}, {}},
        WalkCase{"shortcut_to_self_and_ancestor_not_followed_sibling_is",
                 [](MemoryTree& tree) {
                   tree.shortcut(L"C:\\p\\self.lnk", L"C:\\p", kAttributeDirectory)
                       .shortcut(L"C:\\p\\root.lnk", L"C:\\", kAttributeDirectory)
                       .shortcut(L"C:\\p\\sibling.lnk", L"C:\\px", kAttributeDirectory)
                       .shortcut(L"C:\\p\\short.lnk", L"C:\\q", kAttributeDirectory)
                       .file(L"C:\\px\\s.jpg").file(L"C:\\q\\q.jpg").file(L"C:\\other.jpg");
                 },
                 nullptr, {L"C:\\px\\s.jpg", L"C:\\q\\q.jpg"}, {}},
        WalkCase{"same_target_twice_listed_once_ignoring_case_and_backslash",
                 [](MemoryTree& tree) {
                   tree.shortcut(L"C:\\p\\one.lnk", L"D:\\Shared", kAttributeDirectory)
                       .shortcut(L"C:\\p\\two.lnk", L"d:\\shared\\", kAttributeDirectory).file(L"D:\\Shared\\s.jpg");
                 },
                 nullptr, {L"D:\\Shared\\s.jpg"}, {}},
        WalkCase{"broken_shortcut_after_good_one_uses_no_stale_target",
                 [](MemoryTree& tree) {
                   tree.shortcut(L"C:\\p\\good.lnk", L"D:\\x\\a.jpg").brokenShortcut(L"C:\\p\\zbroken.lnk");
                 },
                 nullptr, {L"C:\\p\\good.lnk"}, {}},
        WalkCase{"folder_named_like_a_shortcut_is_a_folder",
                 [](MemoryTree& tree) { tree.folder(L"C:\\p\\album.lnk").file(L"C:\\p\\album.lnk\\in.jpg"); }, nullptr,
                 {L"C:\\p\\album.lnk\\in.jpg"}, {}},
        WalkCase{"junction_not_descended",
                 [](MemoryTree& tree) {
                   tree.folder(L"C:\\p\\loop", kAttributeReparsePoint).file(L"C:\\p\\loop\\x.jpg").file(L"C:\\p\\a.jpg");
                 },
                 nullptr, {L"C:\\p\\a.jpg"}, {}},
        WalkCase{"unreadable_folder_contributes_nothing",
                 [](MemoryTree& tree) {
                   tree.folder(L"C:\\p\\locked").file(L"C:\\p\\locked\\x.jpg").unreadable(L"C:\\p\\locked")
                       .folder(L"C:\\p\\open").file(L"C:\\p\\open\\y.jpg");
                 },
                 nullptr, {L"C:\\p\\open\\y.jpg"}, {}},
        WalkCase{"paths_that_do_not_fit_are_skipped_never_cut",
                 [](MemoryTree& tree) {
                   tree.file(L"C:\\p\\" + kLong + L".jpg").file(L"C:\\p\\" + std::wstring(240, L'm') + L".jpg")
                       .folder(L"C:\\p\\" + std::wstring(256, L'f'))
                       .file(L"C:\\p\\" + std::wstring(256, L'f') + L"\\x.jpg");
                 },
                 nullptr, {L"C:\\p\\" + std::wstring(240, L'm') + L".jpg"}, {}}),
    [](const ::testing::TestParamInfo<WalkCase>& p) { return std::string(p.param.name); });

TEST(FolderWalkTest, ShortcutToImageCarriesTargetTimes) {
  MemoryTree tree;
  tree.shortcut(L"C:\\p\\pic.lnk", L"D:\\x\\pic.png", 0, 0x123456789ull);
  FolderWalk folderWalk(tree, WalkRules(), {L"C:\\p"});
  std::vector<ExhibitEntry> found;
  while (folderWalk.listNextFolder(found)) {
  }
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].path, L"C:\\p\\pic.lnk");
  EXPECT_EQ(found[0].modified.ticks(), 0x123456789ull);
}

TEST(FolderWalkTest, ShortcutLoopBetweenTwoFoldersEnds) {
  MemoryTree tree;
  tree.shortcut(L"C:\\a\\to b.lnk", L"C:\\b", kAttributeDirectory)
      .shortcut(L"C:\\b\\to a.lnk", L"C:\\A\\", kAttributeDirectory)
      .file(L"C:\\a\\1.jpg").file(L"C:\\b\\2.jpg");
  EXPECT_EQ(walk(tree, WalkRules(), {L"C:\\a"}).paths, (Paths{L"C:\\a\\1.jpg", L"C:\\b\\2.jpg"}));
  EXPECT_EQ(tree.listCalls, 2);
}

TEST(FolderWalkTest, SeveralRootsInOrderEachOnce) {
  MemoryTree tree;
  tree.file(L"C:\\a\\1.jpg").file(L"C:\\b\\2.jpg");
  EXPECT_EQ(walk(tree, WalkRules(), {L"C:\\b", L"C:\\a\\", L"c:\\B"}).paths, (Paths{L"C:\\b\\2.jpg", L"C:\\a\\1.jpg"}));
}

TEST(FolderWalkTest, MissingRootGivesNothing) {
  MemoryTree tree;
  EXPECT_TRUE(walk(tree, WalkRules(), {L"C:\\nowhere"}).paths.empty());
}

struct ExtensionCase {
  const wchar_t* extension;
  bool acceptedByDefault;
  bool acceptedWithAllOn;
};

TEST(AcceptsExtensionTest, ByExtensionAndSwitch) {
  FormatSwitches all;
  all.emf = all.ico = all.tif = true;
  FormatSwitches none;
  none.bmp = none.gif = none.jpg = none.png = false;
  const ExtensionCase cases[] = {
      {L".jpg", true, true},  {L".JPEG", true, true}, {L".gif", true, true},  {L".bmp", true, true},
      {L".png", true, true},  {L".tif", false, true}, {L".TIFF", false, true}, {L".emf", false, true},
      {L".ico", false, true}, {L".jpe", false, false}, {L"", false, false},   {L"jpg", false, false},
      {L".lnk", false, false},
  };
  for (const ExtensionCase& c : cases) {
    EXPECT_EQ(acceptsExtension(c.extension, FormatSwitches()), c.acceptedByDefault) << std::string(c.extension, c.extension + wcslen(c.extension));
    EXPECT_EQ(acceptsExtension(c.extension, all), c.acceptedWithAllOn);
    EXPECT_FALSE(acceptsExtension(c.extension, none) && c.acceptedByDefault && !c.acceptedWithAllOn);
  }
  EXPECT_FALSE(acceptsExtension(L".jpg", none));
}

TEST(ExtensionOfTest, LastDotOfLastComponent) {
  EXPECT_EQ(extensionOf(L"C:\\a.b\\photo"), L"");
  EXPECT_EQ(extensionOf(L"C:\\a\\x.lnk.jpg"), L".jpg");
  EXPECT_EQ(extensionOf(L"photo."), L".");
}

TEST(IsSameOrBelowTest, WholeComponents) {
  EXPECT_TRUE(isSameOrBelow(L"C:\\pics\\", L"C:\\"));
  EXPECT_TRUE(isSameOrBelow(L"C:\\pics\\", L"c:\\PICS"));
  EXPECT_TRUE(isSameOrBelow(L"C:\\pics\\a\\", L"C:\\pics\\"));
  EXPECT_FALSE(isSameOrBelow(L"C:\\pics\\", L"C:\\p"));
  EXPECT_FALSE(isSameOrBelow(L"C:\\p\\", L"C:\\pics"));
  EXPECT_FALSE(isSameOrBelow(L"C:\\p\\", L""));
}

}  // namespace
}  // namespace vistelo
