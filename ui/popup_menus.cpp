// The popup menus.
#include "app/viewer.h"

void Viewer::showMainMenu(int, int, int) {}
void Viewer::openMenuFromKey() {}
void Viewer::pinMenu(int) {}
