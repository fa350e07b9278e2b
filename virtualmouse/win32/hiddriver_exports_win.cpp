// The HID access library's ABI: seven cdecl functions under undecorated names.
// For now no mouse is present: the library answers as it would with the mouse unplugged.
#include <windows.h>

extern "C" {

int __cdecl Open_DevMonitor(HWND, UINT, UINT) { return 1; }
void __cdecl Close_DevMonitor(void) {}
int __cdecl Open_FeatureDevice(void) { return 0; }
void __cdecl Close_FeatureDevice(void) {}
int __cdecl SetFeature(unsigned char*, int) { return 0; }
int __cdecl GetFeature(unsigned char*, int) { return 0; }
int __cdecl GetMousePID(void) { return 0; }

}
