// Watching the exhibit root for changes.
#include "app/viewer.h"

void Viewer::startWatcher() {}

void Viewer::autofind() {}
