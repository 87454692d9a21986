#include "config/settings.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <set>
#include <string>

namespace vistelo {
namespace {

TEST(SettingsSchemaTest, SectionsAreContiguousAndInFileOrder) {
  const auto& sections = settingsSections();
  std::size_t sectionIndex = 0;
  for (const SettingSpec& row : settingsSchema()) {
    while (sectionIndex < sections.size() && std::wcscmp(sections[sectionIndex], row.section) != 0) ++sectionIndex;
    ASSERT_LT(sectionIndex, sections.size()) << "row out of order: " << std::string(row.key, row.key + std::wcslen(row.key));
  }
}

TEST(SettingsSchemaTest, KeysAreUniqueWithinASectionIgnoringCase) {
  std::set<std::wstring> seen;
  for (const SettingSpec& row : settingsSchema()) {
    if (row.kind == SettingKind::Comment) continue;
    std::wstring key = std::wstring(row.section) + L"/";
    for (const wchar_t* p = row.key; *p; ++p) key += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(*p)));
    EXPECT_TRUE(seen.insert(key).second);
  }
}

TEST(SettingsSchemaTest, EveryDefaultLiesInItsRange) {
  Settings defaults;
  Settings kept = defaults;
  keepSettingsInRange(kept);
  for (const SettingSpec& row : settingsSchema()) {
    if (row.kind != SettingKind::Small && row.kind != SettingKind::Number) continue;
    EXPECT_EQ(*static_cast<std::int32_t*>(row.field(kept)), *static_cast<std::int32_t*>(row.field(defaults)));
    if (row.kind == SettingKind::Small && row.rule != RangeRule::Any) {
      EXPECT_GE(row.low, -32768);
      EXPECT_LE(row.high, 32767);  // small numbers are 16-bit in the file
    }
  }
}

TEST(SettingsDefaultsTest, StartValues) {
  const Settings s;
  EXPECT_EQ(s.timer, 5000);
  EXPECT_EQ(s.sortby, 1);
  EXPECT_EQ(s.fileManager, L"explorer.exe");
  EXPECT_TRUE(s.folder.empty());
  EXPECT_TRUE(s.savesettings);
  EXPECT_TRUE(s.hideViewer);
  EXPECT_FALSE(s.trayicon);
  EXPECT_EQ(s.hidemod, 1);
  EXPECT_EQ(s.hidekey, 27);
  EXPECT_EQ(s.collagesize, 250);
  for (bool on : s.transitionEnabled) EXPECT_TRUE(on);
}

}  // namespace
}  // namespace vistelo
