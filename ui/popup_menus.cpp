// The popup menus.
#include "app/viewer.h"

void Viewer::showMainMenu(int, int, int) {}
