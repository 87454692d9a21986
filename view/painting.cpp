// Painting the view, the caption and the status bar.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "app/app_info.h"
#include "app/viewer.h"
#include "exhibit/shell_link.h"
#include "view/view_geometry_core.h"
#include "view/view_texts.h"

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
    updateStatus();
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
  if (settings.title) updateCaption();
  updateStatus();
}

vistelo::ViewTextFacts Viewer::viewTextFacts() const {
  vistelo::ViewTextFacts facts;
  facts.currentPath = exhibit.currentPath.c_str();
  facts.viewedFolder = exhibit.viewedFolder.c_str();
  facts.currentIndex = exhibit.currentIndex;
  facts.count = exhibit.count();
  facts.pictureHeld = picture.hasImage();
  facts.title = settings.title;
  facts.fullname = settings.fullname;
  facts.collage = settings.collage;
  facts.zoomPercent = zoomPercent;
  facts.zoomLock = settings.zoom;
  facts.manualZoom = manualZoom;
  facts.squeeze = settings.squeeze;
  facts.image = {picture.width(), picture.height()};
  facts.bitsPerPixel = picture.bitsPerPixel();
  facts.drawn = {picture.drawWidth, picture.drawHeight};
  facts.overflowX = overflowX;
  facts.overflowY = overflowY;
  facts.scrollStep = scrollBase;
  facts.collageTileWidth = picture.drawWidth;
  return facts;
}

void Viewer::updateCaption() {
  const vistelo::CaptionText caption = vistelo::captionText(viewTextFacts());
  wchar_t current[vistelo::kPathCapacity] = L"";
  GetWindowTextW(mainWindow, current, vistelo::kPathCapacity);
  if (caption != current) SetWindowTextW(mainWindow, caption.c_str());
}

void Viewer::createStatusBar() {
  statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                              mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(500)), appInfo.instance,
                              nullptr);
  if (statusBar == nullptr) {
    settings.statusbar = false;
    return;
  }
  RECT bar;
  GetWindowRect(statusBar, &bar);
  statusBarHeight = bar.bottom - bar.top;
  int edges[vistelo::kStatusPartCount];
  for (int i = 0; i < vistelo::kStatusPartCount; ++i) edges[i] = vistelo::kStatusPartEdges[i];
  SendMessageW(statusBar, SB_SETPARTS, vistelo::kStatusPartCount, reinterpret_cast<LPARAM>(edges));
  SendMessageW(statusBar, SB_SETTEXTW, 6 | SBT_NOBORDERS,
               reinterpret_cast<LPARAM>(vistelo::keyHintText().c_str()));
  if (!settings.slide) SendMessageW(statusBar, SB_SETTEXTW, 5, reinterpret_cast<LPARAM>(L"\t!"));
}

void Viewer::updateStatus() {
  if (statusBar == nullptr) return;
  vistelo::ViewTextFacts facts = viewTextFacts();
  // The size on disk, of a shortcut's target for a shortcut.
  std::wstring file = exhibit.currentPath.c_str();
  if (vistelo::isShortcutPath(file)) {
    ShellLink link;
    wchar_t target[MAX_PATH] = L"";
    file = SUCCEEDED(link.open()) && SUCCEEDED(link.resolve(file.c_str(), target, false)) ? target : L"";
  }
  if (!file.empty() && !exhibit.showsClipboardPicture()) {
    const DWORD size = GetCompressedFileSizeW(file.c_str(), nullptr);
    facts.fileSizeKnown = size != INVALID_FILE_SIZE;
    facts.fileSize = size;
  }
  const vistelo::StatusParts parts = vistelo::statusParts(facts);
  for (int i = 0; i < 5; ++i)
    SendMessageW(statusBar, SB_SETTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(parts.part[i].c_str()));
}

// The paint covers the whole client area, so the background is never erased apart.
BOOL Viewer::eraseBackground(HDC) { return TRUE; }

HBRUSH Viewer::dialogBrush() {
  return backgroundBrush != nullptr ? backgroundBrush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

void Viewer::onSize(WPARAM, int, int) {
  InvalidateRect(mainWindow, nullptr, FALSE);
  // The status bar follows the window's width.
  if (statusBar != nullptr) SendMessageW(statusBar, WM_SIZE, 0, 0);
}
