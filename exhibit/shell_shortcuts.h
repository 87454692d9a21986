#pragma once
// Shortcut targets for the exhibit list, read from the shell.
#include "exhibit/exhibit_list.h"

class ShellShortcutResolver : public vistelo::ShortcutResolver {
 public:
  // Reads the target the shortcut records, without repairing a broken one. Each call
  // uses its own link object, so it may run on any thread. False with `target` empty
  // when the file cannot be read as a shortcut to a path.
  bool resolveTarget(const std::wstring& shortcutPath, std::wstring& target) override;
};
