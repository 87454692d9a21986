#include "config/settings_file.h"

#include <cwchar>

#include "config/ini_file.h"

namespace vistelo {
namespace {

SettingType storageType(SettingKind kind) {
  switch (kind) {
    case SettingKind::Switch: return SettingType::Switch;
    case SettingKind::Small: return SettingType::Short;
    case SettingKind::Number: return SettingType::Long;
    case SettingKind::Text:
    case SettingKind::Comment: return SettingType::Text;
  }
  return SettingType::None;
}

// The rows of one section bound to `settings`. Comment rows are written with their
// fixed text and left out of reading, so no file can change them.
SettingsTable sectionTable(const wchar_t* section, Settings& settings, bool forWriting) {
  SettingsTable table;
  for (const SettingSpec& row : settingsSchema()) {
    if (std::wcscmp(row.section, section) != 0) continue;
    if (row.kind == SettingKind::Comment) {
      if (forWriting) {
        table.push_back({row.key, SettingType::Text, const_cast<wchar_t*>(row.defaultText),
                         std::char_traits<wchar_t>::length(row.defaultText) + 1});
      }
      continue;
    }
    table.push_back({row.key, storageType(row.kind), row.field(settings), row.capacity});
  }
  return table;
}

}  // namespace

void readSettingsText(const std::wstring& text, Settings& settings) {
  const IniReader reader(text);
  for (const wchar_t* section : settingsSections()) {
    const std::size_t maxLength = std::wcscmp(section, L"[Vistelo]") == 0 ? 12 : kPathCapacity;
    reader.readSection(sectionTable(section, settings, false), section, maxLength);
  }
  keepSettingsInRange(settings);
}

std::wstring writeSettingsText(const Settings& settings) {
  // The tables bind variables for reading and writing alike; writing only reads them.
  Settings& source = const_cast<Settings&>(settings);
  IniWriter writer;
  for (const wchar_t* section : settingsSections()) writer.writeSection(sectionTable(section, source, true), section);
  return writer.text();
}

void switchesFromTransitionList(const std::vector<int>& enabled, Settings& settings) {
  for (bool& on : settings.transitionEnabled) on = false;
  for (int n : enabled) {
    if (n >= 0 && n < kTransitionCount) settings.transitionEnabled[n] = true;
  }
}

std::vector<int> transitionListFromSwitches(const Settings& settings) {
  std::vector<int> enabled;
  for (int n = 0; n < kTransitionCount; ++n) {
    if (settings.transitionEnabled[n]) enabled.push_back(n);
  }
  return enabled;
}

Settings prepareSettingsForSave(Settings& live, const SaveContext& context) {
  live.version.assign(L"2.00");
  if (live.savefolder) {
    if (context.exhibitRoot.empty() || !live.folder.assign(context.exhibitRoot))
      live.folder.assign(L"C:/Users/Public/Pictures");
  }
  if (live.markexit) {
    live.bookmark = context.currentIndex > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<std::int32_t>(context.currentIndex);
  }
  if (context.minimisedOrMaximised) live.windowRect = context.restoredRect;

  Settings written = live;
  // Fullscreen's own layout is never saved as the window's.
  if (context.fullscreen) written.layout = context.windowedLayout;
  // A desktop folder that was looked up is looked up again at the next start.
  if (!context.desktopFromFile) written.desktop.clear();
  return written;
}

}  // namespace vistelo
