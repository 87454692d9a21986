#pragma once
// The Viewer: all state of the running program, and the operations on it. Each group
// of fields and operations belongs to one subsystem; their code lives in that
// subsystem's folder.

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <random>
#include <vector>

#include "config/fixed_text.h"
#include "config/settings.h"
#include "exhibit/exhibit_list.h"
#include "view/picture.h"

using vistelo::PathText;

typedef BOOL(WINAPI* SetLayeredWindowAttributesFn)(HWND, COLORREF, BYTE, DWORD);

struct HotkeyRecord {
  UINT modifiers = MOD_ALT;
  UINT virtualKey = VK_ESCAPE;
  int id = 1351;
  bool registered = false;
};

class Viewer {
 public:
  explicit Viewer(HWND mainWindow);
  ~Viewer();
  Viewer(const Viewer&) = delete;
  Viewer& operator=(const Viewer&) = delete;

  // Start-up and shutdown (app/viewer_initialise.cpp, app/viewer.cpp).
  void initialise();
  void locateFilesAndConfigure();
  void setUpWindow();
  void teardown();

  // Commands (app/commands.cpp).
  void dispatchCommand(int id);
  bool isNotAFile();

  // Slideshow clock (app/slide_clock.cpp).
  void clockTick();
  void suspendClock(bool forDialog);
  void resumeClock();

  // Settings file (config/settings_store.cpp).
  void readSettings();
  bool saveSettings();
  void saveNow();
  void chooseSettingsFile();

  // Command line (config/command_line.cpp, to come) and language (config/language.cpp).
  void applyCommandLine();
  void captureMenuTextsAndReadLanguage();

  // Exhibit (exhibit/).
  bool buildExhibit(const wchar_t* folder);
  void pickExhibitRoot(bool build);
  void dropFiles(HDROP drop);
  void startWatcher();
  void autofind();
  vistelo::ShortcutResolver& shortcuts();

  // View (view/).
  void showCurrent(bool forward);
  void paintView();
  BOOL eraseBackground(HDC dc);
  HBRUSH dialogBrush();
  void onSize(WPARAM kind, int width, int height);
  void createStatusBar();
  void updateStatus();

  // Window behaviour (window/).
  void setMode(int mode);
  void corralWindow();
  void findProjector();
  void measureMonitors();
  void mouseMove(WPARAM keys, int x, int y);
  void buttonDown(WPARAM keys, int x, int y);
  void buttonUp(WPARAM keys, int x, int y);
  void wheel(WPARAM keys, int delta);
  void addTrayIcon();
  void removeTrayIcon();
  void trayNotify(LPARAM mouseMessage);
  void showHide();
  void closeOtherInstances();

  // Menus (ui/).
  void showMainMenu(int x, int y, int submenuPosition);

  // Windows
  HWND mainWindow;
  HWND statusBar = nullptr;
  SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;

  // Window geometry
  RECT monitorRect = {};
  RECT workArea = {};
  RECT homeMonitorRect = {};
  int frameWidth = 0;
  int frameHeight = 0;
  POINT dragStart = {};
  RECT dragRect = {};
  int statusBarHeight = 0;
  bool sizeMoveActive = false;

  // Drawing objects
  HFONT guiFont = nullptr;
  HBRUSH backgroundBrush = nullptr;
  HDC viewDC = nullptr;
  HBITMAP viewBitmap = nullptr;
  HGDIOBJ viewDCInitialBitmap = nullptr;
  SIZE viewBitmapSize = {};
  HDC spareDC = nullptr;
  HBITMAP spareBitmap = nullptr;
  HGDIOBJ spareDCInitialBitmap = nullptr;
  SIZE spareBitmapSize = {};

  NOTIFYICONDATAW trayIcon = {};
  ULONG_PTR imagingToken = 0;

  // Paths
  PathText scratchText;
  PathText programFolder;
  PathText settingsPath;
  PathText languagePath;
  PathText errorLogPath;
  PathText wallpaperPath;
  PathText archiveLogPath;
  PathText helpPath;
  PathText saveAsPath;

  // Settings, and the switches that are never saved
  vistelo::Settings settings;
  bool noShell = false;
  bool noMenu = false;
  bool blend = false;
  int blendOpacity = 127;
  bool landscapeOnly = false;
  bool portraitOnly = false;

  // Slideshow clock
  std::uint32_t slideRemaining = 0;
  std::uint32_t slideTick = 1000;
  bool modalPause = false;

  // View state
  int zoomPercent = 0;
  int appliedRotation = 0;
  bool manualZoom = false;
  int scrollX = 0;
  int scrollY = 0;
  int overflowX = 0;
  int overflowY = 0;
  bool dragScroll = false;
  int scrollBase = 100;
  int windowedLayout = 0;
  std::uint32_t lastShownIndex = 99999;

  // Menu pins (positions, -1 when none)
  int menuPinned = -1;
  int pinnedSubmenu = -1;
  int pinnedThirdLevel = -1;
  int pinnedThirdLevelParent = -1;

  Picture picture;
  HotkeyRecord hotkey;

  // Exhibit
  vistelo::Exhibit exhibit;
  HANDLE firstResultEvent = nullptr;
  HANDLE watchHandle = nullptr;
  HANDLE watchStopEvent = nullptr;

  std::vector<int> enabledTransitions;
  std::mt19937 random;
  const wchar_t* clipboardPath = vistelo::kClipboardPath;

  // Settings bookkeeping
  bool desktopFromFile = false;

 private:
  bool tornDown_ = false;
  void releaseDrawingObjects();
};
