// Reading "vistelo.ini" at start, saving it at exit, Save Now and Save As.
#include <windows.h>
#include <commdlg.h>

#include "app/app_info.h"
#include "app/viewer.h"
#include "config/file_io_win.h"
#include "config/settings_file.h"
#include "config/string_tables.h"

void Viewer::readSettings() {
  vistelo::Bytes bytes;
  if (settingsPath.empty() || !readWholeFile(settingsPath.c_str(), bytes, vistelo::kSettingsFileLimit)) return;
  vistelo::switchesFromTransitionList(enabledTransitions, settings);
  vistelo::readSettingsText(vistelo::decodeTextFile(bytes), settings);
  if (!settings.folder.empty()) {
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(settings.folder.c_str(), MAX_PATH, full, nullptr);
    if (length > 0 && length < MAX_PATH) exhibit.exhibitRoot.assign(full);
  }
  enabledTransitions = vistelo::transitionListFromSwitches(settings);
}

bool Viewer::saveSettings() {
  if (settingsPath.empty()) return false;
  vistelo::switchesFromTransitionList(enabledTransitions, settings);
  vistelo::SaveContext context;
  context.exhibitRoot = exhibit.exhibitRoot.c_str();
  context.fullscreen = settings.layer == 1;
  context.windowedLayout = windowedLayout;
  context.currentIndex = exhibit.currentIndex;
  context.desktopFromFile = desktopFromFile;
  if (IsIconic(mainWindow) || IsZoomed(mainWindow)) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(mainWindow, &placement)) {
      const RECT& r = placement.rcNormalPosition;
      context.minimisedOrMaximised = true;
      context.restoredRect = {r.left, r.top, r.right, r.bottom};
    }
  }
  const vistelo::Settings written = vistelo::prepareSettingsForSave(settings, context);
  return writeFileSafely(settingsPath.c_str(), vistelo::encodeUtf16LeWithBom(vistelo::writeSettingsText(written)));
}

void Viewer::saveNow() {
  if (!saveSettings()) showMessage(vistelo::langTable().messageText(vistelo::kMsgSaveFailed), MB_ICONEXCLAMATION);
}

void Viewer::chooseSettingsFile() {
  wchar_t file[MAX_PATH] = L"";
  wchar_t folder[MAX_PATH] = L"";
  const std::wstring current = settingsPath.c_str();
  const std::size_t slash = current.find_last_of(L'\\');
  if (slash != std::wstring::npos) {
    lstrcpynW(folder, current.substr(0, slash).c_str(), MAX_PATH);
    lstrcpynW(file, current.substr(slash + 1).c_str(), MAX_PATH);
  }
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = mainWindow;
  dialog.lpstrFilter = L"INI File (*.ini)\0*.ini\0";
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrInitialDir = folder;
  dialog.lpstrTitle = vistelo::langTable().messageText(vistelo::kMsgSaveSettingsTitle);
  dialog.lpstrDefExt = L"ini";
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
  enterNestedLoop();
  const BOOL chosen = GetSaveFileNameW(&dialog);
  leaveNestedLoop();
  if (!chosen) return;

  // The chosen file takes over only once the settings are safely there.
  const PathText previous = settingsPath;
  if (!settingsPath.assign(file) || !saveSettings()) {
    settingsPath = previous;
    showMessage(vistelo::langTable().messageText(vistelo::kMsgSaveFailed), MB_ICONEXCLAMATION);
  }
}
