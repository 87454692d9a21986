// The command line: options and paths applied once at start.
#include "app/viewer.h"

void Viewer::applyCommandLine() {}
