// Window modes, monitors and placement.
#include "app/viewer.h"

void Viewer::setMode(int mode) { settings.layer = mode; }

void Viewer::corralWindow() {}

void Viewer::findProjector() {}

void Viewer::measureMonitors() {
  monitorRect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
}

// Centring comes with the window placement; the command line already asks for it.
void Viewer::centerWindow() {}
