#include <windows.h>

#include "ui/win32/main_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return lexi::CMainApp().run();
}
