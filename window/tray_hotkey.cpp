// The tray icon, the show/hide hotkey and single-instance operation.
#include "app/viewer.h"

void Viewer::addTrayIcon() { Shell_NotifyIconW(NIM_ADD, &trayIcon); }

void Viewer::removeTrayIcon() { Shell_NotifyIconW(NIM_DELETE, &trayIcon); }

void Viewer::trayNotify(LPARAM) {}

void Viewer::showHide() {}

void Viewer::closeOtherInstances() {}
