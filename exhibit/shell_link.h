#pragma once
// The shell layer for shortcut files: reading and writing ".lnk" files, the user's
// desktop folder, and shell objects (context menu, drop target, data object) standing
// for a list of files.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

// One shell link object, made and dropped by the operation that needs it, on one
// thread. It initialises COM for that thread while it is open.
struct ShellLink {
  IShellLinkW* shellLink = nullptr;
  IPersistFile* persistFile = nullptr;
  // The target's find data as recorded in the last shortcut read; zero when none.
  WIN32_FIND_DATAW targetData = {};

  ShellLink() = default;
  ~ShellLink() { close(); }
  ShellLink(const ShellLink&) = delete;
  ShellLink& operator=(const ShellLink&) = delete;

  // Makes the link object. Opening again first closes what was held.
  HRESULT open();
  // Reads the shortcut at `path`: its target into `target` and `targetData`. With
  // `repair`, the shell first looks for a target that has moved (and updates the file).
  // Both outputs are cleared first, so a failure never leaves an earlier target behind;
  // a shortcut without a target path, or with one too long for `target`, fails.
  HRESULT resolve(const wchar_t* path, wchar_t (&target)[MAX_PATH], bool repair);
  // Writes a shortcut to `target` at `shortcutPath`. False when the file cannot be
  // written (for instance its folder does not exist) or the target does not fit a path.
  bool createAt(const wchar_t* target, const wchar_t* shortcutPath);
  // Releases the link object and ends this object's COM use. Safe to call twice.
  void close();

 private:
  HRESULT makeObjects();
  void releaseObjects();
  bool comInitialised_ = false;
  bool loaded_ = false;  // a shortcut was read into the link object
};

// The user's desktop folder. `out` is changed only on success.
HRESULT desktopDirectory(wchar_t (&out)[MAX_PATH]);

// Asks the shell for the interface `iid` (IID_IContextMenu, IID_IDropTarget,
// IID_IDataObject...) of the files `paths` (full paths). Files of one folder are asked
// of that folder, others of the desktop. The caller releases `*out`; false leaves it null.
// The calling thread must have COM initialised.
bool shellObjectFor(const std::vector<std::wstring>& paths, REFIID iid, void** out);
