#pragma once
// The one decoded picture the view shows, and the imaging library's lifetime.

#include <windows.h>

struct Picture {
  int interpolation = 0;  // the `zoomquality` in force
};

// Starts the imaging library (version 1, default options); false when it cannot.
bool startImaging(ULONG_PTR& token);
void stopImaging(ULONG_PTR& token);
