// The desktop wallpaper made from the program's wallpaper image.
#include "app/viewer.h"

// Both come with the wallpaper mode; the command line already asks for them.
void Viewer::setWallpaperFromFile(int) {}

void Viewer::clearWallpaper() {}
