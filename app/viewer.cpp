#include "app/viewer.h"

#include <commctrl.h>

#include "app/app_info.h"
#include "config/settings_file.h"
#include "resources/resource_ids.h"

Viewer::Viewer(HWND window) : mainWindow(window), random(5489u) {
  // Every setting starts at its default (the Settings constructor); the view and
  // clock fields at their initial values above.
  HDC screen = GetDC(nullptr);
  viewDC = CreateCompatibleDC(screen);
  spareDC = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);

  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  startImaging(imagingToken);

  HICON icon = LoadIconW(appInfo.instance, MAKEINTRESOURCEW(IDI_MAIN));
  SetClassLongPtrW(mainWindow, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
  trayIcon.cbSize = sizeof trayIcon;
  trayIcon.hWnd = mainWindow;
  trayIcon.uID = 0;
  trayIcon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  trayIcon.uCallbackMessage = WM_USER + 1;
  trayIcon.hIcon = icon;
  lstrcpynW(trayIcon.szTip, appInfo.caption, ARRAYSIZE(trayIcon.szTip));
  DragAcceptFiles(mainWindow, TRUE);

  const DWORD ticks = GetTickCount();
  srand(ticks);
  random.seed(ticks);

  setLayeredWindowAttributes = reinterpret_cast<SetLayeredWindowAttributesFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32"), "SetLayeredWindowAttributes")));
  LOGFONTW font = {};
  font.lfPitchAndFamily = VARIABLE_PITCH;
  guiFont = CreateFontIndirectW(&font);
}

Viewer::~Viewer() { releaseDrawingObjects(); }

void Viewer::leaveNestedLoop() {
  if (--nestedLoops_ == 0 && closeDeferred_) {
    closeDeferred_ = false;
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
  }
}

void Viewer::teardown() {
  if (tornDown_) return;
  tornDown_ = true;
  // No image of the imaging library may outlive it.
  picture.release();
  stopImaging(imagingToken);
  if (settings.trayicon || settings.layer == 2) removeTrayIcon();
  if (settings.savesettings) saveSettings();
  // No walk may outlive the lists; batches still queued are freed unread. (Before the
  // quit message: a filtered peek may hand that one out too.)
  scanWorker.cancelAndJoin();
  MSG message;
  while (PeekMessageW(&message, nullptr, WM_SCAN_BATCH, WM_SCAN_BATCH, PM_REMOVE)) {
    if (message.message == WM_SCAN_BATCH) delete reinterpret_cast<ScanBatch*>(message.lParam);
  }
  // The desktop repaints itself, also after the wallpaper mode.
  InvalidateRect(nullptr, nullptr, TRUE);
  PostQuitMessage(0);
  enabledTransitions.clear();
  exhibit.savedEntries.clear();
  exhibit.clear();
  releaseDrawingObjects();
}

namespace {

// Puts the context's first bitmap back before deleting the context and its bitmap.
void releaseCanvas(HDC& dc, HBITMAP& bitmap, HGDIOBJ& initialBitmap) {
  if (dc != nullptr) {
    if (initialBitmap != nullptr) SelectObject(dc, initialBitmap);
    DeleteDC(dc);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  dc = nullptr;
  bitmap = nullptr;
  initialBitmap = nullptr;
}

template <typename Handle>
void deleteObject(Handle& handle) {
  if (handle != nullptr) DeleteObject(handle);
  handle = nullptr;
}

}  // namespace

void Viewer::releaseDrawingObjects() {
  releaseCanvas(viewDC, viewBitmap, viewDCInitialBitmap);
  releaseCanvas(spareDC, spareBitmap, spareDCInitialBitmap);
  deleteObject(backgroundBrush);
  deleteObject(guiFont);
}
