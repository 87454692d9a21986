// Mouse, wheel and scrolling.
#include "app/viewer.h"

void Viewer::mouseMove(WPARAM, int, int) {}
void Viewer::buttonDown(WPARAM, int, int) {}
void Viewer::buttonUp(WPARAM, int, int) {}
void Viewer::wheel(WPARAM, int) {}
