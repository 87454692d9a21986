#pragma once
// The Viewer: all state of the running program, and the operations on it. Each group
// of fields and operations belongs to one subsystem; their code lives in that
// subsystem's folder.

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "config/fixed_text.h"
#include "config/settings.h"
#include "exhibit/exhibit_list.h"
#include "exhibit/scan_worker.h"
#include "view/picture.h"
#include "view/view_texts.h"

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
  void restartClock();
  void suspendClock(bool forDialog);
  void resumeClock();

  // Settings file (config/settings_store.cpp).
  void readSettings();
  bool saveSettings();
  void saveNow();
  void chooseSettingsFile();

  // Command line (config/command_line_apply.cpp) and language (config/language.cpp).
  void applyCommandLine();
  void captureMenuTextsAndReadLanguage();

  // Exhibit (exhibit/).
  bool buildExhibit(const wchar_t* root, bool append = false, const std::vector<std::wstring>* roots = nullptr);
  void onScanBatch(ScanBatch* batch);
  void sortExhibit();
  void openFolder(const wchar_t* path, bool viewExhibit);
  bool pickExhibitRoot(bool build);
  void viewLinkTarget();
  void dropFiles(HDROP drop);
  void logUnloadable();
  void stepPastUnloadable(bool forward);
  void removeCurrentEntry();
  bool dispatchExhibitCommand(int id);
  void startWatcher();
  void autofind();
  vistelo::ShortcutResolver& shortcuts();
  // While a message loop runs inside a Viewer operation (a scan's first result, a
  // dialog, a message box) the window must not be destroyed: a close that arrives
  // then is carried out when the outermost loop has returned.
  bool inNestedLoop() const { return nestedLoops_ > 0; }
  void enterNestedLoop() { ++nestedLoops_; }
  void leaveNestedLoop();
  void deferClose() { closeDeferred_ = true; }

  // View (view/).
  void showCurrent(bool forward);
  bool loadCurrent(bool forward);
  void orientPicture();
  void refreshView();
  void wrapWindow();
  void showEmptyView();
  void updateCaption();
  vistelo::ViewTextFacts viewTextFacts() const;
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
  void centerWindow();
  void mouseMove(WPARAM keys, int x, int y);
  void buttonDown(WPARAM keys, int x, int y);
  void buttonUp(WPARAM keys, int x, int y);
  void wheel(WPARAM keys, int delta);
  void addTrayIcon();
  void removeTrayIcon();
  void trayNotify(LPARAM mouseMessage);
  void showHide();
  void closeOtherInstances();

  // Wallpaper (fileops/wallpaper.cpp).
  void setWallpaperFromFile(int style);
  void clearWallpaper();

  // Menus (ui/).
  void showMainMenu(int x, int y, int submenuPosition);
  void openMenuFromKey();   // the Menu command: at the cursor or the window's corner
  void pinMenu(int pinId);  // a Pin item of the main popup menu

  // Small dialogs (ui/). Each runs its dialog and stores the answer; the caller
  // pauses the slideshow around it.
  void askNumber(int kind);   // Timer, Thumbnail Size, Zoom Step, Collage Size
  void askGoTo();
  void askProgram(int kind);  // the image viewer or the file manager
  void showAboutBox();

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
  bool scrollEstablished = false;
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
  ScanWorker scanWorker;
  std::uint32_t scanGeneration = 0;  // the walk whose batches are taken; others are stale
  bool firstResultPending = false;
  ScanJob scanOrder;                 // the order the running walk sorts its list by
  std::unordered_set<std::wstring> removedDuringScan;
  HANDLE watchHandle = nullptr;
  HANDLE watchStopEvent = nullptr;

  std::vector<int> enabledTransitions;
  std::mt19937 random;
  const wchar_t* clipboardPath = vistelo::kClipboardPath;

  // Settings bookkeeping
  bool desktopFromFile = false;

 private:
  void waitForFirstResult();
  void finishScan(std::vector<vistelo::ExhibitEntry>&& sorted);
  vistelo::ExhibitView exhibitView() const;
  vistelo::FormatSwitches formatSwitches() const;
  void applyExhibitView(const vistelo::ExhibitView& view);
  int nestedLoops_ = 0;
  bool closeDeferred_ = false;
  bool tornDown_ = false;
  void releaseDrawingObjects();
};
