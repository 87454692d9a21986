#pragma once
// The settings file's text: reading it into Settings and writing Settings out as it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "config/settings.h"

namespace vistelo {

// A settings file is a few kilobytes; anything beyond this is not read.
constexpr std::size_t kSettingsFileLimit = 4 * 1024 * 1024;

// Reads every section of the decoded file text, then keeps every value in range.
// Keys the text lacks or spells wrongly keep the values `settings` already holds.
void readSettingsText(const std::wstring& text, Settings& settings);

// The whole file text: nineteen sections in order, CR LF line ends (no byte-order mark).
std::wstring writeSettingsText(const Settings& settings);

// The [Transitions] switches mirror the enabled list: switch n + 1 is on exactly when
// transition n is in the list. The list is rebuilt in ascending order.
void switchesFromTransitionList(const std::vector<int>& enabled, Settings& settings);
std::vector<int> transitionListFromSwitches(const Settings& settings);

// What a save takes from the running program besides the settings themselves.
struct SaveContext {
  std::wstring exhibitRoot;       // the exhibit root in use
  bool fullscreen = false;        // window mode 1
  std::int32_t windowedLayout = 0;
  std::uint32_t currentIndex = 0;
  bool desktopFromFile = false;   // the desktop folder came from the file
  bool minimisedOrMaximised = false;
  Rect32 restoredRect;            // the window's normal position
};

// Adjusts the live settings as every save does (version, folder when `savefolder`,
// bookmark when `markexit`, the restored rectangle of a minimised or maximised window)
// and returns the copy to write, which also carries the windowed layout while in
// fullscreen and an empty `desktop` unless the desktop folder came from the file.
Settings prepareSettingsForSave(Settings& live, const SaveContext& context);

}  // namespace vistelo
