// Typed look-up of a function exported by a library loaded at run time. Declare the type
// with decltype of the real declaration or with the calling convention spelled out: a
// mismatch corrupts the stack on 32-bit Windows.
#pragma once

#include <windows.h>

namespace orvix {

template <typename Function>
Function* ProcAddress(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // Through void*: FARPROC's own type says nothing about the real signature.
  void* address = reinterpret_cast<void*>(::GetProcAddress(module, name));
  return reinterpret_cast<Function*>(address);
}

}  // namespace orvix
