// The small modal dialogs: number input, text input, find/filter and the about box.
#include "app/viewer.h"

void Viewer::askNumber(int) {}
void Viewer::askGoTo() {}
void Viewer::askProgram(int) {}
void Viewer::showAboutBox() {}
