// The start-up sequence: from the settings file and the command line to the first
// picture on screen.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "app/app_info.h"
#include "app/viewer.h"
#include "config/file_io_win.h"
#include "config/string_tables.h"
#include "exhibit/shell_link.h"
#include "resources/resource_ids.h"

namespace {

RECT grown(const RECT& r, int dx, int dy) { return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy}; }

vistelo::Rect32 toRect32(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void setStyle(HWND window, LONG_PTR add, LONG_PTR remove) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, (style | add) & ~remove);
  // The frame is measured again only when told to.
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

void Viewer::initialise() {
  wchar_t folder[MAX_PATH];
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH || !exhibit.exhibitRoot.assign(folder)) exhibit.exhibitRoot.clear();

  settings.favorites.clear();
  settings.archive.clear();
  saveAsPath.clear();
  exhibit.currentPath.clear();
  settings.imageViewer.clear();
  settings.fileManager.assign(L"explorer.exe");

  frameWidth = GetSystemMetrics(SM_CXSIZEFRAME);
  frameHeight = GetSystemMetrics(SM_CYSIZEFRAME);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  monitorRect = {0, 0, screenWidth, screenHeight};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);

  RECT window;
  GetWindowRect(mainWindow, &window);
  settings.windowRect = toRect32(window);
  settings.presets[0] = toRect32(grown(window, 56, 31));
  settings.presets[1] = toRect32(grown(window, 136, 76));
  settings.presets[2] = toRect32(grown(window, 216, 121));
  settings.presets[3] = {0, 0, screenWidth / 5 + 2 * frameWidth, screenHeight};
  settings.presets[4] = {screenWidth - 2 * frameWidth - screenWidth / 5, 0, screenWidth, screenHeight};

  enabledTransitions.clear();
  for (int n = 0; n < vistelo::kTransitionCount; ++n) enabledTransitions.push_back(n);

  locateFilesAndConfigure();

  // A root that is not there is reported (once) before anything is built from it, and
  // the program's folder stands in; a root without pictures lets the user pick another.
  if (isUnavailable(exhibit.exhibitRoot.c_str())) {
    std::wstring text = exhibit.exhibitRoot.c_str();
    text += L' ';
    text += vistelo::langTable().messageText(vistelo::kMsgIsUnavailable);
    showMessage(text.c_str(), MB_ICONEXCLAMATION);
    if (isUnavailable(exhibit.exhibitRoot.c_str())) exhibit.exhibitRoot = programFolder;
  }
  if (!buildExhibit(exhibit.exhibitRoot.c_str())) pickExhibitRoot(true);

  if (settings.autorefresh) startWatcher();

  if (settings.layer == 1 || settings.layer == 2) {
    const int mode = settings.layer;
    settings.layer = 0;
    setMode(mode);
  }

  exhibit.currentIndex = 0;
  if (!exhibit.empty() && !exhibit.currentPath.empty()) {
    const std::int32_t found = exhibit.indexOfPath(exhibit.currentPath.c_str(), shortcuts());
    if (found != vistelo::Exhibit::kNotFound) exhibit.currentIndex = static_cast<std::uint32_t>(found);
  }
  showCurrent(true);

  if (settings.launch && !noMenu && !noShell) {
    dispatchCommand(1171);
    return;
  }
  if (settings.layer != 2) ShowWindow(mainWindow, SW_SHOWNORMAL);
}

void Viewer::locateFilesAndConfigure() {
  wchar_t module[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    std::wstring folder(module, length);
    folder.resize(folder.find_last_of(L'\\') == std::wstring::npos ? 0 : folder.find_last_of(L'\\'));
    programFolder.assign(folder);
    // A path that would not fit its buffer stays empty: that file is then not used.
    const auto derive = [&folder](PathText& path, const wchar_t* name) {
      if (!path.assign(folder + name)) path.clear();
    };
    derive(settingsPath, L"\\vistelo.ini");
    derive(languagePath, L"\\vistelo.lang.ini");
    derive(errorLogPath, L"\\errors.log");
    derive(wallpaperPath, L"\\vistelowall.jpg");
    derive(archiveLogPath, L"\\archived.log");
    derive(helpPath, L"\\Vistelo.txt");
  }

  settings.folder.clear();
  readSettings();
  applyCommandLine();
  setUpWindow();
  captureMenuTextsAndReadLanguage();
}

void Viewer::setUpWindow() {
  if (blend && setLayeredWindowAttributes != nullptr && settings.layer != 2) {
    SetWindowLongPtrW(mainWindow, GWL_EXSTYLE, GetWindowLongPtrW(mainWindow, GWL_EXSTYLE) | WS_EX_LAYERED);
    setLayeredWindowAttributes(mainWindow, 0, static_cast<BYTE>(blendOpacity), LWA_ALPHA);
  }
  if (settings.crop) setStyle(mainWindow, 0, WS_CAPTION | WS_THICKFRAME);
  picture.interpolation = settings.zoomquality;
  if (settings.trayicon) {
    addTrayIcon();
  } else {
    SetWindowLongPtrW(mainWindow, GWL_EXSTYLE, GetWindowLongPtrW(mainWindow, GWL_EXSTYLE) | WS_EX_APPWINDOW);
  }
  if (settings.decorate) {
    setStyle(mainWindow, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0);
  } else {
    setStyle(mainWindow, 0, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  }
  if (backgroundBrush != nullptr) DeleteObject(backgroundBrush);
  backgroundBrush = CreateSolidBrush(static_cast<COLORREF>(settings.bgcolor));

  if (!settings.wrap) {
    if (settings.corral) {
      corralWindow();
    } else {
      const vistelo::Rect32& r = settings.windowRect;
      MoveWindow(mainWindow, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
  }
  if (settings.statusbar && statusBar == nullptr && !settings.crop && settings.layer != 1) createStatusBar();

  hotkey.modifiers = static_cast<UINT>(settings.hidemod);
  hotkey.virtualKey = static_cast<UINT>(settings.hidekey);
  hotkey.registered = RegisterHotKey(mainWindow, hotkey.id, hotkey.modifiers, hotkey.virtualKey) != FALSE;

  if (settings.singleinstance) closeOtherInstances();

  if (!settings.desktop.empty()) {
    desktopFromFile = true;
  } else {
    wchar_t desktop[MAX_PATH] = L"";
    if (SUCCEEDED(desktopDirectory(desktop))) settings.desktop.assign(desktop);
  }

  if (settings.projector) {
    if (GetSystemMetrics(SM_CMONITORS) < 2) {
      settings.projector = false;
      if (settings.layer == 1) dispatchCommand(1012);
    } else {
      findProjector();
    }
  }
}
