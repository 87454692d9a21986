#include "app/app_info.h"

#include "app/viewer.h"

AppInfo appInfo = {nullptr, nullptr, nullptr, nullptr, L"Vistelo", L"2.00"};
Viewer* theViewer = nullptr;

namespace {

// Keeps the display and the system awake for the whole life of the process.
struct KeepAwake {
  KeepAwake() { SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED); }
  ~KeepAwake() { SetThreadExecutionState(ES_CONTINUOUS); }
  KeepAwake(const KeepAwake&) = delete;
  KeepAwake& operator=(const KeepAwake&) = delete;
};

KeepAwake keepAwake;

}  // namespace

int showMessage(const wchar_t* text, UINT flags) {
  // The box runs its own message loop; the Viewer must outlive it.
  Viewer* viewer = theViewer;
  if (viewer != nullptr) viewer->enterNestedLoop();
  const int answer = MessageBoxW(appInfo.mainWindow, text, appInfo.caption, flags);
  if (viewer != nullptr) viewer->leaveNestedLoop();
  return answer;
}
