#include "view/picture.h"

#include <objidl.h>

#include <algorithm>
// The imaging library's headers use unqualified min and max.
using std::max;
using std::min;
#include <gdiplus.h>

bool startImaging(ULONG_PTR& token) {
  Gdiplus::GdiplusStartupInput input;
  return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
}

void stopImaging(ULONG_PTR& token) {
  if (token == 0) return;
  Gdiplus::GdiplusShutdown(token);
  token = 0;
}
