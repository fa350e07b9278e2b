// OrvixOneMonitor: the tray program that alone talks to the mouse.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return 0;
}
