// The slideshow clock: one-second ticks of timer 1026 counting down `timer`.
#include "app/viewer.h"

void Viewer::clockTick() {}

void Viewer::suspendClock(bool forDialog) {
  if (forDialog) modalPause = true;
}

void Viewer::resumeClock() { modalPause = false; }

void Viewer::restartClock() {}
