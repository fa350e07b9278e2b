// Frameless dialogs are moved by their background: a press of the left button there is
// handed to the system as a press on a caption.
#pragma once

#include <windows.h>

namespace orvix {

// Call from the dialog's WM_LBUTTONDOWN with its lParam (client coordinates). Posts
// WM_NCLBUTTONDOWN with HTCAPTION at the same point in screen coordinates.
bool BeginCaptionDrag(HWND dialog, LPARAM clientPoint);

}  // namespace orvix
