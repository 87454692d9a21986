// The program's entry point: the main window and the message loop.
#include <windows.h>

#include <clocale>
#include <new>

#include "app/app_info.h"
#include "app/main_dialog.h"
#include "resources/resource_ids.h"

namespace {

void outOfMemory() {
  MessageBoxW(appInfo.mainWindow, L"Out Of Memory", appInfo.caption, MB_ICONINFORMATION);
  ExitProcess(1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  std::set_new_handler(outOfMemory);
  std::setlocale(LC_ALL, "");

  appInfo.instance = instance;
  // The Viewer is created and initialised inside this call, at WM_INITDIALOG.
  appInfo.mainWindow = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, mainDialogProc, 0);
  if (appInfo.mainWindow == nullptr) return 1;

  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(appInfo.mainWindow, accelerators, &message)) continue;
    if (IsDialogMessageW(appInfo.mainWindow, &message)) continue;
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
