#include "exhibit/shell_shortcuts.h"

#include "exhibit/shell_link.h"

bool ShellShortcutResolver::resolveTarget(const std::wstring& shortcutPath, std::wstring& target) {
  target.clear();
  if (shortcutPath.empty() || shortcutPath.find(L'\0') != std::wstring::npos) return false;
  ShellLink link;
  if (FAILED(link.open())) return false;
  wchar_t found[MAX_PATH];
  if (FAILED(link.resolve(shortcutPath.c_str(), found, false))) return false;
  target = found;
  return true;
}
