// The command line: options and paths applied once at start.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/viewer.h"
#include "config/command_line.h"
#include "config/file_io_win.h"
#include "config/settings_file.h"
#include "config/text_codec.h"

namespace {

std::vector<std::wstring> argumentsAfterProgramName() {
  std::vector<std::wstring> args;
  int count = 0;
  LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
  if (list == nullptr) return args;
  for (int i = 1; i < count; ++i) args.emplace_back(list[i]);
  LocalFree(list);
  return args;
}

void copySwitches(const vistelo::CommandLineSwitches& switches, Viewer& viewer) {
  viewer.noShell = switches.noShell;
  viewer.noMenu = switches.noMenu;
  viewer.blend = switches.blend;
  viewer.blendOpacity = switches.blendOpacity;
  viewer.landscapeOnly = switches.landscape;
  viewer.portraitOnly = switches.portrait;
}

class ViewerActions : public vistelo::CommandLineActions {
 public:
  ViewerActions(Viewer& viewer, const vistelo::CommandLineSwitches& switches) : viewer_(viewer), switches_(switches) {}

  void pathArgument(const std::wstring& path) override {
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    // A path that does not fit is skipped rather than cut to another path.
    if (length == 0 || length >= MAX_PATH) return;
    if (vistelo::namesSettingsFile(full)) {
      useSettingsFile(full);
    } else {
      showFrom(full);
    }
  }

  // The operations below see the switches given so far, as the commands they run check them.
  void center() override {
    copySwitches(switches_, viewer_);
    viewer_.centerWindow();
  }
  void restorePreset(int n) override {
    copySwitches(switches_, viewer_);
    viewer_.dispatchCommand(1330 + n);
  }
  void setWallpaper(int style) override {
    copySwitches(switches_, viewer_);
    viewer_.setWallpaperFromFile(style);
  }
  void clearWallpaper() override {
    copySwitches(switches_, viewer_);
    viewer_.clearWallpaper();
  }

 private:
  // The file's keys are read at once. Saves go there only when that overwrites nothing
  // but the program's own settings: another program's ".ini" is read, never replaced.
  void useSettingsFile(const wchar_t* path) {
    bool replaceable = false;
    vistelo::Bytes bytes;
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) {
      const DWORD error = GetLastError();
      replaceable = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    } else if (readWholeFile(path, bytes, vistelo::kSettingsFileLimit)) {
      replaceable = vistelo::holdsProgramSection(vistelo::decodeTextFile(bytes));
    }
    const PathText previous = viewer_.settingsPath;
    viewer_.settingsPath.assign(path);
    viewer_.readSettings();
    if (!replaceable) viewer_.settingsPath = previous;
  }

  // A folder becomes the exhibit root; a file's folder does, and the file shows first.
  void showFrom(const wchar_t* path) {
    viewer_.exhibit.exhibitRoot.assign(path);
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return;
    const std::wstring full = path;
    const std::wstring folder = vistelo::folderOf(full);
    if (folder.size() == full.size()) return;  // a full path always has a folder part
    std::wstring name = full.substr(folder.size() + 1);
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(path, &found);
    if (search != INVALID_HANDLE_VALUE) {
      name = found.cFileName;  // the letter case stored on disk
      FindClose(search);
    }
    viewer_.exhibit.exhibitRoot.assign(folder);
    viewer_.exhibit.currentPath.assign(folder + L'\\' + name);
  }

  Viewer& viewer_;
  const vistelo::CommandLineSwitches& switches_;
};

}  // namespace

void Viewer::applyCommandLine() {
  const std::vector<std::wstring> args = argumentsAfterProgramName();
  if (args.empty()) return;
  vistelo::CommandLineSwitches switches;
  switches.noShell = noShell;
  switches.noMenu = noMenu;
  switches.blend = blend;
  switches.blendOpacity = blendOpacity;
  switches.landscape = landscapeOnly;
  switches.portrait = portraitOnly;
  ViewerActions actions(*this, switches);
  vistelo::applyArguments(args, settings, switches, actions);
  // Nothing is shown and nothing has been saved yet.
  if (switches.translate) ExitProcess(0);
  copySwitches(switches, *this);
  if (switches.browse) pickExhibitRoot(false);
}
