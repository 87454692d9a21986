// Showing the current entry.
#include "app/viewer.h"

void Viewer::showCurrent(bool) {}
