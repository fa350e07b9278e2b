// OrvixOneOption: the configuration program. Its dialog comes with the configuration issues.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return 0;
}
