#pragma once
#include <windows.h>

// The main window's dialog procedure: routes every message to the Viewer.
INT_PTR CALLBACK mainDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Private messages of the main window.
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;
constexpr UINT WM_REOPEN_MENU = WM_USER + 3;
constexpr UINT WM_REFRESH_STATUS = WM_USER + 4;
constexpr UINT WM_CLOSE_INSTANCE = WM_USER + 5;
constexpr UINT WM_SCAN_FINISHED = WM_USER + 8;
