// The commands that rebuild, reorder or step through the exhibit by folder.
#include "app/viewer.h"
#include "exhibit/folder_steps.h"

bool Viewer::dispatchExhibitCommand(int id) {
  const bool idle = !exhibit.scanBusy;
  bool vistelo::Settings::*formatSwitch = nullptr;
  switch (id) {
    case 1101:
      if (idle) openFolder(exhibit.exhibitRoot.c_str(), true);
      return true;
    case 1102:
      if (idle) openFolder(settings.desktop.c_str(), false);
      return true;
    case 1103:
      if (idle && !settings.favorites.empty()) openFolder(settings.favorites.c_str(), false);
      return true;
    case 1104:
      if (idle && !settings.archive.empty()) openFolder(settings.archive.c_str(), false);
      return true;
    case 1105:
      if (idle && !exhibit.empty() && !isNotAFile()) openFolder(vistelo::folderOf(exhibit.currentPath.c_str()).c_str(), false);
      return true;
    case 1106:
      if (idle && !exhibit.empty()) viewLinkTarget();
      return true;
    case 1111:
      if (!idle) return true;
      suspendClock(true);
      pickExhibitRoot(true);
      showCurrent(true);
      if (settings.autorefresh) startWatcher();
      resumeClock();
      return true;
    case 1112:
      if (idle) openFolder(exhibit.exhibitRoot.c_str(), false);
      return true;
    case 1113:
    case 1114:
      if (!idle) return true;
      if (id == 1113) {
        settings.subfolders = !settings.subfolders;
      } else {
        settings.hidden = !settings.hidden;
      }
      openFolder(exhibit.viewedFolder.c_str(), false);
      return true;
    case 1121: formatSwitch = &vistelo::Settings::bmp; break;
    case 1122: formatSwitch = &vistelo::Settings::emf; break;
    case 1123: formatSwitch = &vistelo::Settings::gif; break;
    case 1124: formatSwitch = &vistelo::Settings::ico; break;
    case 1125: formatSwitch = &vistelo::Settings::jpg; break;
    case 1126: formatSwitch = &vistelo::Settings::png; break;
    case 1127: formatSwitch = &vistelo::Settings::tif; break;
    case 1131: settings.removefail = !settings.removefail; return true;
    case 1132: settings.logerrors = !settings.logerrors; return true;
    case 1133: settings.loglnkfail = !settings.loglnkfail; return true;
    case 1034: settings.loopshuffle = !settings.loopshuffle; return true;
    case 1040:
    case 1041:
    case 1042:
      settings.sort = id - 1040;
      sortExhibit();
      updateStatus();
      return true;
    case 1043: case 1044: case 1045: case 1046: case 1047: case 1048:
      settings.sortby = id - 1043;
      if (settings.sort != 2) {
        sortExhibit();
        updateStatus();
      }
      return true;
    case 1049:
      settings.sortcase = !settings.sortcase;
      if (settings.sort != 2) {
        sortExhibit();
        updateStatus();
      }
      return true;
    case 1056:
    case 1057:
      if (exhibit.empty() || isNotAFile()) return true;
      exhibit.currentIndex = id == 1056 ? vistelo::nextFolderIndex(exhibit.entries, exhibit.currentIndex)
                                        : vistelo::prevFolderIndex(exhibit.entries, exhibit.currentIndex);
      showCurrent(true);
      return true;
    default:
      return false;
  }
  // A format switch changes what the folder holds for the exhibit.
  settings.*formatSwitch = !(settings.*formatSwitch);
  openFolder(exhibit.viewedFolder.c_str(), false);
  return true;
}
