// The HID access library's ABI: seven cdecl functions under undecorated names, answered
// by the virtual mouse. Non-zero means success.
#include <windows.h>

#include "VirtualMouseLibrary_win.h"

using orvix::vmouse::VirtualMouseLibrary;

extern "C" {

int __cdecl Open_DevMonitor(HWND window, UINT eventMessage, UINT arrivalMessage) {
  VirtualMouseLibrary::Instance().OpenDevMonitor(window, eventMessage, arrivalMessage);
  return 1;
}

void __cdecl Close_DevMonitor(void) { VirtualMouseLibrary::Instance().CloseDevMonitor(); }

int __cdecl Open_FeatureDevice(void) {
  return VirtualMouseLibrary::Instance().firmware().OpenFeatureDevice() ? 1 : 0;
}

void __cdecl Close_FeatureDevice(void) {
  VirtualMouseLibrary::Instance().firmware().CloseFeatureDevice();
}

int __cdecl SetFeature(unsigned char* report, int length) {
  return VirtualMouseLibrary::Instance().firmware().SetFeature(report, length) ? 1 : 0;
}

int __cdecl GetFeature(unsigned char* report, int length) {
  return VirtualMouseLibrary::Instance().firmware().GetFeature(report, length) ? 1 : 0;
}

// The Orvix One's product id.
int __cdecl GetMousePID(void) { return 0x0A1E; }

}
