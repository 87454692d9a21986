// Building the exhibit from folders: starting a walk, taking its batches in, and the
// ways a build is asked for (folders, the picker, drops, a shortcut's target).
#include <windows.h>
#include <shlobj.h>

#include <memory>

#include "app/app_info.h"
#include "app/main_dialog.h"
#include "app/viewer.h"
#include "config/file_io_win.h"
#include "config/string_tables.h"
#include "config/text_file.h"
#include "exhibit/drop_plan.h"
#include "exhibit/entry_from_file.h"
#include "exhibit/shell_link.h"
#include "exhibit/shell_shortcuts.h"
#include "exhibit/sorting.h"

namespace {

const wchar_t kFallbackRoot[] = L"C:\\users\\public\\pictures";

void reportUnavailable(const std::wstring& path) {
  const std::wstring text = path + L" " + vistelo::langTable().messageText(vistelo::kMsgIsUnavailable);
  showMessage(text.c_str(), MB_ICONEXCLAMATION);
}

bool shiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

// The target a shortcut records, read without repairing it; empty when unreadable.
std::wstring shortcutTarget(const std::wstring& path, WIN32_FIND_DATAW* data = nullptr) {
  ShellLink link;
  wchar_t target[MAX_PATH] = L"";
  if (FAILED(link.open()) || FAILED(link.resolve(path.c_str(), target, false))) return std::wstring();
  if (data != nullptr) *data = link.targetData;
  return target;
}

int CALLBACK selectRootCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

}  // namespace

vistelo::ShortcutResolver& Viewer::shortcuts() {
  static ShellShortcutResolver resolver;
  return resolver;
}

vistelo::FormatSwitches Viewer::formatSwitches() const {
  return {settings.bmp, settings.emf, settings.gif, settings.ico, settings.jpg, settings.png, settings.tif};
}

vistelo::ExhibitView Viewer::exhibitView() const {
  return {settings.sort, settings.sortby, settings.sortcase, settings.subfolders, settings.hidden};
}

void Viewer::applyExhibitView(const vistelo::ExhibitView& view) {
  settings.sort = view.sort;
  settings.sortby = view.sortby;
  settings.sortcase = view.sortcase;
  settings.subfolders = view.subfolders;
  settings.hidden = view.hidden;
}

bool Viewer::buildExhibit(const wchar_t* root, bool append, const std::vector<std::wstring>* roots) {
  exhibit.viewedFolder.assign(root);
  // One walk at a time: a running one is stopped, and its batches are stale from here.
  scanWorker.cancelAndJoin();
  ++scanGeneration;
  if (!append) exhibit.clear();

  srand(GetTickCount());
  vistelo::seedRandom(random, GetTickCount());

  ScanJob job;
  job.window = mainWindow;
  job.generation = scanGeneration;
  if (roots != nullptr) {
    job.roots = *roots;
  } else {
    job.roots.push_back(root);
  }
  job.rules.subfolders = settings.subfolders;
  job.rules.hidden = settings.hidden;
  job.rules.formats = formatSwitches();
  if (append) job.base = exhibit.entries;
  job.sort = settings.sort;
  job.sortby = settings.sortby;
  job.sortcase = settings.sortcase;
  scanOrder.sort = job.sort;
  scanOrder.sortby = job.sortby;
  scanOrder.sortcase = job.sortcase;

  removedDuringScan.clear();
  exhibit.scanBusy = true;
  firstResultPending = true;
  if (!scanWorker.start(std::move(job))) {
    exhibit.scanBusy = false;
    firstResultPending = false;
    return !exhibit.empty();
  }
  waitForFirstResult();
  return !exhibit.empty();
}

// Keeps the window alive (painting, other messages) until the first pictures are in,
// however long the walk takes to find any. Keys are not turned into commands here.
void Viewer::waitForFirstResult() {
  enterNestedLoop();
  while (firstResultPending && scanWorker.thread() != nullptr) {
    HANDLE thread = scanWorker.thread();
    const DWORD woke = MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT);
    MSG message;
    if (woke == WAIT_OBJECT_0) {
      // The walk has ended; its last batches are already queued.
      while (firstResultPending && PeekMessageW(&message, mainWindow, WM_SCAN_BATCH, WM_SCAN_BATCH, PM_REMOVE)) {
        if (message.message == WM_SCAN_BATCH) {
          onScanBatch(reinterpret_cast<ScanBatch*>(message.lParam));
        } else if (message.message == WM_QUIT) {
          PostQuitMessage(static_cast<int>(message.wParam));
          break;
        }
      }
      break;
    }
    while (firstResultPending && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        firstResultPending = false;
        break;
      }
      if (!IsDialogMessageW(mainWindow, &message)) DispatchMessageW(&message);
    }
  }
  firstResultPending = false;
  leaveNestedLoop();
}

void Viewer::onScanBatch(ScanBatch* received) {
  std::unique_ptr<ScanBatch> batch(received);
  if (batch->generation != scanGeneration || !exhibit.scanBusy) return;
  if (batch->final) {
    finishScan(std::move(batch->entries));
    return;
  }
  for (const vistelo::ExhibitEntry& entry : batch->entries) exhibit.append(entry);
  if (firstResultPending && !exhibit.empty()) {
    firstResultPending = false;
    const std::int32_t found = exhibit.currentPath.empty()
                                   ? vistelo::Exhibit::kNotFound
                                   : exhibit.indexOfPath(exhibit.currentPath.c_str(), shortcuts());
    exhibit.currentIndex = found == vistelo::Exhibit::kNotFound ? 0 : static_cast<std::uint32_t>(found);
  }
}

void Viewer::finishScan(std::vector<vistelo::ExhibitEntry>&& sorted) {
  scanWorker.cancelAndJoin();  // the thread has posted its last batch and is ending
  if (!removedDuringScan.empty()) {
    std::vector<vistelo::ExhibitEntry> kept;
    kept.reserve(sorted.size());
    for (vistelo::ExhibitEntry& entry : sorted)
      if (removedDuringScan.count(entry.path) == 0) kept.push_back(std::move(entry));
    sorted.swap(kept);
    removedDuringScan.clear();
  }
  exhibit.entries.swap(sorted);
  exhibit.scanBusy = false;
  firstResultPending = false;
  // A sort chosen while the walk ran is applied now; a shuffle always happens here.
  const bool orderChanged = settings.sort != scanOrder.sort || settings.sortby != scanOrder.sortby ||
                            settings.sortcase != scanOrder.sortcase;
  if (settings.sort == 2 || orderChanged) {
    sortExhibit();
  } else {
    exhibit.locateCurrentPath(shortcuts());
  }
  if (exhibit.autoUpdating) {
    PostMessageW(mainWindow, WM_SCAN_FINISHED, 0, 0);
  } else if (appInfo.catalogWindow != nullptr) {
    PostMessageW(appInfo.catalogWindow, WM_COMMAND, 1112, 0);
  }
  if (IsWindowVisible(mainWindow) && statusBar != nullptr && !exhibit.empty())
    PostMessageW(mainWindow, WM_REFRESH_STATUS, 0, 0);
}

void Viewer::sortExhibit() {
  if (exhibit.sortBusy) return;
  exhibit.sortBusy = true;
  HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  if (settings.sort == 2) {
    vistelo::shuffleEntries(exhibit.entries, random);
  } else {
    vistelo::sortEntries(exhibit.entries, settings.sortby, settings.sortcase, settings.sort == 1);
  }
  exhibit.locateCurrentPath(shortcuts());
  SetCursor(previous);
  exhibit.sortBusy = false;
}

void Viewer::removeCurrentEntry() {
  if (exhibit.currentIndex >= exhibit.count()) return;
  // The walk's sorted list arrives later and must not bring the entry back.
  if (exhibit.scanBusy) removedDuringScan.insert(exhibit.entries[exhibit.currentIndex].path);
  exhibit.removeCurrent();
}

void Viewer::openFolder(const wchar_t* path, bool viewExhibit) {
  wchar_t full[MAX_PATH];
  const DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return;
  if (isUnavailable(path)) {
    reportUnavailable(path);
    return;
  }
  if (!isFolder(path)) return;
  const bool folderChanges = exhibit.viewedFolder != full;
  const bool mainShown = exhibit.exhibitRoot == exhibit.viewedFolder.c_str() && !exhibit.filtered;

  if (viewExhibit) {
    vistelo::ExhibitView view = exhibitView();
    if (exhibit.restoreExhibit(view)) {
      applyExhibitView(view);
    } else if (!mainShown) {
      buildExhibit(full);
    } else {
      exhibit.saveExhibit(exhibitView());
    }
    exhibit.viewedFolder.assign(full);
    if (appInfo.catalogWindow != nullptr) PostMessageW(appInfo.catalogWindow, WM_COMMAND, 1112, 0);
  } else {
    if (mainShown) {
      exhibit.saveExhibit(exhibitView());
    } else if (exhibit.exhibitRoot == full) {
      exhibit.savedEntries.clear();
      exhibit.filtered = false;
    }
    buildExhibit(full);
  }
  showCurrent(true);
  if (settings.autorefresh && folderChanges) startWatcher();
}

bool Viewer::pickExhibitRoot(bool build) {
  ShowCursor(TRUE);
  enterNestedLoop();
  std::wstring chosen = kFallbackRoot;
  const HRESULT com = CoInitialize(nullptr);
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(SHGetMalloc(&allocator))) {
    BROWSEINFOW browse = {};
    browse.hwndOwner = mainWindow;
    browse.lpszTitle = vistelo::langTable().messageText(vistelo::kMsgSetExhibitRoot);
    browse.ulFlags = BIF_BROWSEFILEJUNCTIONS;
    browse.lpfn = selectRootCallback;
    browse.lParam = reinterpret_cast<LPARAM>(exhibit.exhibitRoot.c_str());
    LPITEMIDLIST item = SHBrowseForFolderW(&browse);
    if (item != nullptr) {
      wchar_t path[MAX_PATH] = L"";
      if (SHGetPathFromIDListW(item, path) && path[0] != 0) chosen = path;
      allocator->Free(item);
    }
    allocator->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  leaveNestedLoop();

  if (!build) {
    exhibit.exhibitRoot.assign(chosen);
  } else if (!chosen.empty()) {
    if (shiftHeld()) {
      buildExhibit(chosen.c_str(), true);
    } else if (exhibit.exhibitRoot.assign(chosen)) {
      buildExhibit(exhibit.exhibitRoot.c_str());
    }
  }
  ShowCursor(FALSE);
  return true;
}

void Viewer::viewLinkTarget() {
  if (!vistelo::isShortcutPath(exhibit.currentPath.c_str())) return;
  const std::wstring folder = vistelo::folderOf(shortcutTarget(exhibit.currentPath.c_str()));
  if (isUnavailable(folder)) {
    reportUnavailable(folder);
    return;
  }
  if (!isFolder(folder)) return;
  buildExhibit(folder.c_str());
  showCurrent(true);
  if (settings.autorefresh) startWatcher();
}

void Viewer::dropFiles(HDROP drop) {
  if (exhibit.scanBusy) {
    DragFinish(drop);
    return;
  }
  suspendClock(false);
  SetForegroundWindow(mainWindow);
  std::vector<vistelo::DroppedItem> items;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    wchar_t path[MAX_PATH] = L"";
    const UINT length = DragQueryFileW(drop, i, path, MAX_PATH);
    // A path longer than a path buffer is left out, never cut.
    if (length == 0 || length >= MAX_PATH) continue;
    vistelo::DroppedItem item;
    item.path.assign(path, length);
    item.isFolder = isFolder(item.path);
    item.isShortcut = !item.isFolder && vistelo::isShortcutPath(item.path);
    if (item.isShortcut) {
      WIN32_FIND_DATAW data = {};
      item.target = shortcutTarget(item.path, &data);
      item.targetIsFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || isFolder(item.target);
      item.created = {data.ftCreationTime.dwLowDateTime, data.ftCreationTime.dwHighDateTime};
      item.modified = {data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime};
      item.accessed = {data.ftLastAccessTime.dwLowDateTime, data.ftLastAccessTime.dwHighDateTime};
    } else if (!item.isFolder) {
      vistelo::ExhibitEntry entry;
      entryFromFile(item.path, entry);
      item.created = entry.created;
      item.modified = entry.modified;
      item.accessed = entry.accessed;
    }
    items.push_back(std::move(item));
  }
  DragFinish(drop);

  const vistelo::DropPlan plan = vistelo::planDrop(items, shiftHeld(), formatSwitches());
  if (!plan.currentPath.empty()) exhibit.currentPath.assign(plan.currentPath);
  if (items.size() == 1) {
    if (buildExhibit(plan.buildFolder.c_str(), plan.append) && plan.buildFolderBecomesRoot)
      exhibit.exhibitRoot.assign(plan.buildFolder);
  } else if (items.size() > 1) {
    if (plan.clearFirst) exhibit.clear();
    for (const vistelo::ExhibitEntry& entry : plan.entries) exhibit.append(entry);
    buildExhibit(exhibit.exhibitRoot.c_str(), true, &plan.roots);
    if (exhibit.empty() && plan.rebuildWhenEmpty) buildExhibit(exhibit.exhibitRoot.c_str());
  }
  showCurrent(true);
  resumeClock();
  if (settings.autorefresh) startWatcher();
}

void Viewer::logUnloadable() {
  const bool shortcut = vistelo::isShortcutPath(exhibit.currentPath.c_str());
  if ((shortcut && settings.loglnkfail) || (!shortcut && settings.logerrors)) {
    if (!errorLogPath.empty()) appendLogLine(errorLogPath.c_str(), exhibit.currentPath.c_str());
  }
}

void Viewer::stepPastUnloadable(bool forward) {
  if (exhibit.empty()) return;
  if (settings.removefail) {
    removeCurrentEntry();
  } else if (forward) {
    exhibit.currentIndex = (exhibit.currentIndex + 1) % exhibit.count();
  } else {
    exhibit.currentIndex = exhibit.currentIndex == 0 ? exhibit.count() - 1 : exhibit.currentIndex - 1;
  }
}
