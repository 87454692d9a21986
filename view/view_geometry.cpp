// Showing the current entry: loading it (stepping past what does not load), turning
// it, and fitting the window around it.
#include <windows.h>

#include <algorithm>

#include "app/viewer.h"
#include "exhibit/shell_link.h"
#include "view/orientation.h"
#include "view/show_loop.h"
#include "view/view_geometry_core.h"

namespace {

class ViewerLoader : public vistelo::EntryLoader {
 public:
  explicit ViewerLoader(Viewer& viewer, bool forward) : viewer_(viewer), forward_(forward) {}
  bool loadCurrent() override { return viewer_.loadCurrent(forward_); }

 private:
  Viewer& viewer_;
  bool forward_;
};

vistelo::Rect32 toRect32(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool Viewer::loadCurrent(bool forward) {
  if (exhibit.empty()) return false;
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  const vistelo::ExhibitEntry& entry = exhibit.entries[exhibit.currentIndex];
  exhibit.currentPath.assign(entry.path);
  bool loaded = false;
  if (vistelo::isShortcutPath(entry.path)) {
    // Only showing a shortcut asks the shell to find a target that has moved.
    ShellLink link;
    wchar_t target[MAX_PATH] = L"";
    if (SUCCEEDED(link.open()) && SUCCEEDED(link.resolve(entry.path.c_str(), target, true)))
      loaded = picture.loadFromFile(target);
  } else {
    loaded = picture.loadFromFile(entry.path.c_str());
  }
  if (!loaded) {
    logUnloadable();
    stepPastUnloadable(forward);
  }
  SetCursor(previous);
  return loaded;
}

void Viewer::showCurrent(bool forward) {
  ViewerLoader loader(*this, forward);
  const vistelo::ShowOutcome outcome = vistelo::loadFirstLoadable(exhibit, loader, settings.removefail);
  if (outcome != vistelo::ShowOutcome::Loaded) {
    picture.release();
    if (outcome == vistelo::ShowOutcome::Empty) {
      showEmptyView();
    } else {
      InvalidateRect(mainWindow, nullptr, FALSE);
    }
    return;
  }
  scrollX = scrollY = 0;
  scrollEstablished = false;
  manualZoom = false;
  zoomPercent = settings.zoom;
  orientPicture();
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  exhibit.entries[exhibit.currentIndex].accessed = {now.dwLowDateTime, now.dwHighDateTime};
  refreshView();
}

void Viewer::orientPicture() {
  vistelo::OrientationSettings turning;
  turning.exiforient = settings.exiforient;
  turning.lock.rotation = settings.rotation;
  turning.lock.rotateaspect = settings.rotateaspect;
  RECT area = monitorRect;
  if (!settings.wrap && settings.layer != 1) GetWindowRect(mainWindow, &area);
  const vistelo::OrientationPlan plan =
      turning.plan(picture.orientation, {picture.width(), picture.height()},
                   {area.right - area.left, area.bottom - area.top});
  picture.rotateFlip(static_cast<int>(plan.exifTurn));
  picture.rotateFlip(static_cast<int>(plan.lockTurn.operation));
  appliedRotation = plan.lockTurn.appliedRotation;
}

void Viewer::refreshView() {
  if (settings.wrap && settings.layer == 0) wrapWindow();
  InvalidateRect(mainWindow, nullptr, FALSE);
  UpdateWindow(mainWindow);
  SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

void Viewer::wrapWindow() {
  if (!picture.hasImage()) return;
  RECT work = workArea;
  const int statusHeight = statusBar != nullptr ? statusBarHeight : 0;
  if (!settings.crop) {
    work.top += GetSystemMetrics(SM_CYSIZEFRAME) + GetSystemMetrics(SM_CYCAPTION);
    work.left += GetSystemMetrics(SM_CXSIZEFRAME);
    work.right -= GetSystemMetrics(SM_CXSIZEFRAME);
    work.bottom -= GetSystemMetrics(SM_CYSIZEFRAME) + statusHeight;
  }
  const vistelo::Rect32 area = toRect32(work);
  vistelo::DrawnSize drawn = vistelo::fitSize({picture.width(), picture.height()}, area, zoomPercent,
                                              {settings.squeeze, settings.shrink, settings.stretch});
  if (drawn.blank()) return;
  if (!(settings.squeeze && !manualZoom)) {
    drawn.width = std::min<std::int32_t>(drawn.width, area.right - area.left);
    drawn.height = std::min<std::int32_t>(drawn.height, area.bottom - area.top);
  }
  RECT window;
  GetWindowRect(mainWindow, &window);
  RECT wanted = {window.left, window.top, window.left + drawn.width, window.top + drawn.height + statusHeight};
  if (!settings.crop) {
    AdjustWindowRectEx(&wanted, static_cast<DWORD>(GetWindowLongPtrW(mainWindow, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(mainWindow, GWL_EXSTYLE)));
  }
  const int width = wanted.right - wanted.left;
  const int height = wanted.bottom - wanted.top;
  int left = window.left;
  int top = window.top;
  if (settings.autocenter) {
    left = workArea.left + (workArea.right - workArea.left - width) / 2;
    top = workArea.top + (workArea.bottom - workArea.top - height) / 2;
  }
  SetWindowPos(mainWindow, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  GetWindowRect(mainWindow, &window);
  settings.windowRect = toRect32(window);
}

void Viewer::showEmptyView() {
  picture.release();
  updateCaption();
  InvalidateRect(mainWindow, nullptr, FALSE);
}
