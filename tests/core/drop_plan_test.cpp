#include "exhibit/drop_plan.h"

#include <gtest/gtest.h>

namespace vistelo {
namespace {

DroppedItem file(const std::wstring& path) {
  DroppedItem item;
  item.path = path;
  return item;
}

DroppedItem folder(const std::wstring& path) {
  DroppedItem item;
  item.path = path;
  item.isFolder = true;
  return item;
}

DroppedItem shortcut(const std::wstring& path, const std::wstring& target, bool toFolder) {
  DroppedItem item;
  item.path = path;
  item.isShortcut = true;
  item.target = target;
  item.targetIsFolder = toFolder;
  item.modified = {7, 0};
  return item;
}

std::vector<std::wstring> pathsOf(const std::vector<ExhibitEntry>& entries) {
  std::vector<std::wstring> paths;
  for (const ExhibitEntry& e : entries) paths.push_back(e.path);
  return paths;
}

TEST(DropPlanTest, OneImageShowsFirstInItsFolderWhichBecomesTheRoot) {
  const DropPlan plan = planDrop({file(L"C:\\p\\a.jpg")}, false, FormatSwitches());
  EXPECT_EQ(plan.buildFolder, L"C:\\p");
  EXPECT_EQ(plan.currentPath, L"C:\\p\\a.jpg");
  EXPECT_FALSE(plan.append);
  EXPECT_TRUE(plan.buildFolderBecomesRoot);
  EXPECT_TRUE(plan.entries.empty());
}

TEST(DropPlanTest, OneImageWithShiftAddsItsFolderAndKeepsTheRoot) {
  const DropPlan plan = planDrop({file(L"C:\\p\\a.jpg")}, true, FormatSwitches());
  EXPECT_TRUE(plan.append);
  EXPECT_FALSE(plan.buildFolderBecomesRoot);
  EXPECT_EQ(plan.buildFolder, L"C:\\p");
}

TEST(DropPlanTest, OneFolderOrShortcutToFolderIsBuiltFrom) {
  EXPECT_EQ(planDrop({folder(L"D:\\pics")}, false, FormatSwitches()).buildFolder, L"D:\\pics");
  const DropPlan viaLink = planDrop({shortcut(L"C:\\desk\\pics.lnk", L"D:\\pics", true)}, false, FormatSwitches());
  EXPECT_EQ(viaLink.buildFolder, L"D:\\pics");
  EXPECT_TRUE(viaLink.currentPath.empty());
}

TEST(DropPlanTest, OneShortcutToImageShowsTheShortcutInItsOwnFolder) {
  const DropPlan plan = planDrop({shortcut(L"C:\\desk\\a.lnk", L"D:\\pics\\a.png", false)}, false, FormatSwitches());
  EXPECT_EQ(plan.buildFolder, L"C:\\desk");
  EXPECT_EQ(plan.currentPath, L"C:\\desk\\a.lnk");
}

TEST(DropPlanTest, TwoFilesAndAFolderGiveTheFilesThenTheFolderWalked) {
  const DropPlan plan =
      planDrop({file(L"C:\\x\\b.jpg"), folder(L"C:\\y"), file(L"C:\\x\\a.png")}, false, FormatSwitches());
  EXPECT_TRUE(plan.clearFirst);
  EXPECT_TRUE(plan.append);
  EXPECT_EQ(pathsOf(plan.entries), (std::vector<std::wstring>{L"C:\\x\\b.jpg", L"C:\\x\\a.png"}));
  EXPECT_EQ(plan.roots, (std::vector<std::wstring>{L"C:\\y"}));
  EXPECT_EQ(plan.currentPath, L"C:\\x\\b.jpg");
  EXPECT_TRUE(plan.rebuildWhenEmpty);
}

TEST(DropPlanTest, SeveralItemsWithShiftKeepTheExhibit) {
  EXPECT_FALSE(planDrop({file(L"C:\\x\\b.jpg"), file(L"C:\\x\\c.jpg")}, true, FormatSwitches()).clearFirst);
}

TEST(DropPlanTest, SwitchedOffAndUnreadableItemsAddNothing) {
  const DropPlan plan = planDrop({file(L"C:\\x\\scan.tif"), file(L"C:\\x\\notes.txt"),
                                  shortcut(L"C:\\x\\broken.lnk", L"", false),
                                  shortcut(L"C:\\x\\doc.lnk", L"C:\\doc.txt", false)},
                                 false, FormatSwitches());
  EXPECT_TRUE(plan.entries.empty());
  EXPECT_TRUE(plan.roots.empty());
  EXPECT_TRUE(plan.currentPath.empty());
  EXPECT_TRUE(plan.rebuildWhenEmpty);  // the main exhibit comes back
}

TEST(DropPlanTest, ShortcutsAmongSeveralCarryTheirTargetsTimesAndFolderTargetsAreWalked) {
  const DropPlan plan = planDrop({shortcut(L"C:\\x\\pic.lnk", L"D:\\p\\pic.PNG", false),
                                  shortcut(L"C:\\x\\dir.lnk", L"D:\\q", true), folder(L"C:\\x\\album.lnk")},
                                 false, FormatSwitches());
  ASSERT_EQ(plan.entries.size(), 1u);
  EXPECT_EQ(plan.entries[0].path, L"C:\\x\\pic.lnk");
  EXPECT_EQ(plan.entries[0].modified.low, 7u);
  EXPECT_EQ(plan.roots, (std::vector<std::wstring>{L"D:\\q", L"C:\\x\\album.lnk"}));
}

}  // namespace
}  // namespace vistelo
