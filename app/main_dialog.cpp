#include "app/main_dialog.h"

#include <windowsx.h>

#include "app/app_info.h"
#include "app/viewer.h"

namespace {

constexpr UINT_PTR kSlideshowTimer = 1026;
constexpr int kShowHideHotkey = 1351;

void endViewer() {
  Viewer* viewer = theViewer;
  if (viewer == nullptr) return;
  // Inside a loop of the Viewer's own (waiting for a scan) it is only torn down; the
  // window's destruction frees it once that loop has returned.
  if (viewer->inNestedLoop()) {
    viewer->teardown();
    return;
  }
  // Cleared first, so that whatever teardown sets off finds no Viewer to run again.
  theViewer = nullptr;
  viewer->teardown();
  delete viewer;
}

}  // namespace

INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    appInfo.mainWindow = window;
    theViewer = new Viewer(window);
    theViewer->initialise();
    return TRUE;
  }
  Viewer* viewer = theViewer;
  switch (message) {
    case WM_DESTROY:
      endViewer();
      return TRUE;
    case WM_ENDSESSION:
      if (wParam != 0) endViewer();
      return TRUE;
    case WM_CLOSE:
    case WM_CLOSE_INSTANCE:
      if (viewer != nullptr && viewer->inNestedLoop()) {
        viewer->deferClose();
      } else {
        DestroyWindow(window);
      }
      return TRUE;
    case WM_POWERBROADCAST:
      // Suspend requests are refused while pictures are shown.
      SetWindowLongPtrW(window, DWLP_MSGRESULT, (lParam & 1) ? BROADCAST_QUERY_DENY : TRUE);
      return TRUE;
  }
  if (viewer == nullptr) return FALSE;

  switch (message) {
    case WM_COMMAND:
      viewer->dispatchCommand(LOWORD(wParam));
      return TRUE;
    case WM_TIMER:
      if (wParam == kSlideshowTimer) viewer->clockTick();
      return TRUE;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE) viewer->suspendClock(false);
      if ((wParam & 0xFFF0) == SC_RESTORE) viewer->resumeClock();
      return FALSE;
    case WM_ENTERSIZEMOVE:
      viewer->suspendClock(false);
      viewer->sizeMoveActive = true;
      return TRUE;
    case WM_EXITSIZEMOVE:
      viewer->resumeClock();
      viewer->sizeMoveActive = false;
      return TRUE;
    case WM_MOVE:
      if (viewer->sizeMoveActive) {
        RECT r;
        GetWindowRect(window, &r);
        viewer->settings.windowRect = {r.left, r.top, r.right, r.bottom};
      }
      return TRUE;
    case WM_SIZE:
      viewer->onSize(wParam, LOWORD(lParam), HIWORD(lParam));
      return TRUE;
    case WM_DISPLAYCHANGE:
      viewer->measureMonitors();
      return TRUE;
    case WM_PAINT:
      viewer->paintView();
      return TRUE;
    case WM_ERASEBKGND:
      SetWindowLongPtrW(window, DWLP_MSGRESULT, viewer->eraseBackground(reinterpret_cast<HDC>(wParam)));
      return TRUE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(viewer->dialogBrush());
    case WM_CONTEXTMENU:
      viewer->showMainMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), 0);
      return TRUE;
    case WM_REOPEN_MENU:
      viewer->showMainMenu(LOWORD(wParam), HIWORD(wParam) - 100, static_cast<int>(lParam));
      return TRUE;
    case WM_MOUSEMOVE:
      viewer->mouseMove(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return TRUE;
    case WM_LBUTTONDOWN:
      viewer->buttonDown(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return TRUE;
    case WM_LBUTTONUP:
      viewer->buttonUp(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return TRUE;
    case WM_LBUTTONDBLCLK:
      viewer->dispatchCommand(1171);
      return TRUE;
    case WM_MBUTTONDOWN:
      viewer->dispatchCommand(1213);
      return TRUE;
    case WM_MOUSEWHEEL:
      viewer->wheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam));
      return TRUE;
    case WM_DROPFILES:
      viewer->dropFiles(reinterpret_cast<HDROP>(wParam));
      return TRUE;
    case WM_HOTKEY:
      if (wParam == kShowHideHotkey) viewer->showHide();
      return TRUE;
    case WM_TRAY_NOTIFY:
      viewer->trayNotify(lParam);
      return TRUE;
    case WM_REFRESH_STATUS:
      viewer->updateStatus();
      return TRUE;
    case WM_SCAN_FINISHED:
      viewer->autofind();
      return TRUE;
    case WM_SCAN_BATCH:
      viewer->onScanBatch(reinterpret_cast<ScanBatch*>(lParam));
      return TRUE;
  }
  return FALSE;
}
