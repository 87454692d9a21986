// Painting the view, the caption and the status bar.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/app_info.h"
#include "app/viewer.h"
#include "view/view_geometry_core.h"

namespace {

// The view bitmap follows the client area's size; it is made anew only when that grows.
void ensureCanvas(HDC& dc, HBITMAP& bitmap, HGDIOBJ& initial, SIZE& size, int width, int height) {
  if (bitmap != nullptr && size.cx >= width && size.cy >= height) return;
  HDC screen = GetDC(nullptr);
  HBITMAP grown = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  if (grown == nullptr) return;
  HGDIOBJ old = SelectObject(dc, grown);
  if (initial == nullptr) initial = old;
  if (bitmap != nullptr) DeleteObject(bitmap);
  bitmap = grown;
  size = {width, height};
}

}  // namespace

void Viewer::paintView() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(mainWindow, &paint);
  if (dc == nullptr) return;
  RECT client;
  GetClientRect(mainWindow, &client);
  if (statusBar != nullptr) client.bottom -= statusBarHeight;
  HBRUSH background = backgroundBrush != nullptr ? backgroundBrush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  // A view with no room shows the background only.
  if (width <= 0 || height <= 0 || !picture.hasImage()) {
    FillRect(dc, &paint.rcPaint, background);
    EndPaint(mainWindow, &paint);
    updateCaption();
    return;
  }
  ensureCanvas(viewDC, viewBitmap, viewDCInitialBitmap, viewBitmapSize, width, height);
  HDC target = viewBitmap != nullptr ? viewDC : dc;
  FillRect(target, &client, background);
  const vistelo::DrawRect placed =
      vistelo::layoutPicture({picture.width(), picture.height()}, {0, 0, width, height}, zoomPercent,
                             {settings.squeeze, settings.shrink, settings.stretch}, settings.layout, false, &std::rand);
  if (!placed.blank()) {
    picture.drawScaled(target, placed.x, placed.y, placed.width, placed.height);
    picture.drawWidth = placed.width;
    picture.drawHeight = placed.height;
    picture.drawX = placed.x;
    picture.drawY = placed.y;
    zoomPercent = placed.zoom;
  }
  if (target == viewDC) BitBlt(dc, 0, 0, width, height, viewDC, 0, 0, SRCCOPY);
  EndPaint(mainWindow, &paint);
  updateCaption();
}

void Viewer::updateCaption() {
  std::wstring caption;
  if (!picture.hasImage()) {
    caption = exhibit.empty() ? std::wstring(exhibit.viewedFolder.c_str()) + L" - " + appInfo.caption : appInfo.caption;
  } else {
    std::wstring name = exhibit.currentPath.c_str();
    if (!settings.fullname) name = name.substr(name.find_last_of(L'\\') + 1);
    caption = settings.title ? name + L" - " + appInfo.caption : std::wstring(appInfo.caption);
    if (zoomPercent != 100 && !settings.collage) {
      caption += L" (Zoom: " + std::to_wstring(picture.drawWidth) + L" x " + std::to_wstring(picture.drawHeight) + L")";
    }
  }
  if (caption.size() > 259) caption.resize(259);
  wchar_t current[260] = L"";
  GetWindowTextW(mainWindow, current, 260);
  if (caption != current) SetWindowTextW(mainWindow, caption.c_str());
}

// The paint covers the whole client area, so the background is never erased apart.
BOOL Viewer::eraseBackground(HDC) { return TRUE; }

HBRUSH Viewer::dialogBrush() {
  return backgroundBrush != nullptr ? backgroundBrush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

void Viewer::onSize(WPARAM, int, int) { InvalidateRect(mainWindow, nullptr, FALSE); }

void Viewer::createStatusBar() {}

void Viewer::updateStatus() {}
