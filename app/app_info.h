#pragma once
// Process-wide facts every part of the program may need.

#include <windows.h>

struct AppInfo {
  HINSTANCE instance;
  HWND mainWindow;          // owner of every message box
  void* reserved;           // never used
  HWND catalogWindow;       // the catalog window while it exists, else null
  const wchar_t* caption;   // "Vistelo"
  const wchar_t* version;   // "2.00"
};

extern AppInfo appInfo;

class Viewer;
// The one Viewer, null until the main window initialises and after teardown.
extern Viewer* theViewer;

// A message box owned by the main window with the program's caption.
int showMessage(const wchar_t* text, UINT flags);
