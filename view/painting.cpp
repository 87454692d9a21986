// Painting the view, the caption and the status bar.
#include "app/viewer.h"

void Viewer::paintView() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(mainWindow, &paint);
  if (dc != nullptr) {
    RECT client;
    GetClientRect(mainWindow, &client);
    FillRect(dc, &client, backgroundBrush != nullptr ? backgroundBrush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  EndPaint(mainWindow, &paint);
}

// The paint covers the whole client area, so the background is never erased apart.
BOOL Viewer::eraseBackground(HDC) { return TRUE; }

HBRUSH Viewer::dialogBrush() {
  return backgroundBrush != nullptr ? backgroundBrush : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

void Viewer::onSize(WPARAM, int, int) { InvalidateRect(mainWindow, nullptr, FALSE); }

void Viewer::createStatusBar() {}

void Viewer::updateStatus() {}
