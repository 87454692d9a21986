// Building the exhibit from a folder.
#include "app/viewer.h"

namespace {

// Resolves nothing until shortcut files are read.
class NoShortcuts : public vistelo::ShortcutResolver {
 public:
  bool resolveTarget(const std::wstring&, std::wstring&) override { return false; }
};

}  // namespace

vistelo::ShortcutResolver& Viewer::shortcuts() {
  static NoShortcuts resolver;
  return resolver;
}

bool Viewer::buildExhibit(const wchar_t* folder) {
  exhibit.viewedFolder.assign(folder);
  return true;
}

void Viewer::pickExhibitRoot(bool) {}

void Viewer::dropFiles(HDROP drop) { DragFinish(drop); }
