// The command dispatcher: every menu item and accelerator key arrives here as a number.
#include "app/app_info.h"
#include "app/viewer.h"
#include "config/string_tables.h"
#include "resources/resource_ids.h"

namespace {
constexpr int kOpenCatalog = 1171;
}

void Viewer::dispatchCommand(int id) {
  switch (id) {
    case CMD_SAVE_NOW:
      saveNow();
      break;
    case CMD_SAVE_AS:
      suspendClock(true);
      chooseSettingsFile();
      resumeClock();
      break;
    case CMD_SAVE_ON_EXIT:
      settings.savesettings = !settings.savesettings;
      break;
    case CMD_SAVE_FOLDER:
      settings.savefolder = !settings.savefolder;
      break;
    case CMD_EXIT:
      SendMessageW(mainWindow, WM_CLOSE, 0, 0);
      break;
    case kOpenCatalog:
      // Until the catalog exists the main window shows at once, as when the catalog
      // closes straight away.
      ShowWindow(mainWindow, SW_SHOWNORMAL);
      break;
    default:
      // Commands of the subsystems still to come do nothing yet.
      dispatchExhibitCommand(id);
      break;
  }
}

bool Viewer::isNotAFile() {
  if (!exhibit.showsClipboardPicture()) return false;
  showMessage(vistelo::langTable().messageText(vistelo::kMsgNotAFile), MB_ICONINFORMATION);
  return true;
}
