// Owners for the Windows handle kinds the programs hold. Each is a UniqueHandle with the
// close function of its kind.
#pragma once

#include <windows.h>

#include "UniqueHandle.h"

namespace orvix {

// Kernel objects whose "no handle" is null: mutexes, events, mappings, threads, processes.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

// Files: CreateFile reports failure as INVALID_HANDLE_VALUE.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::CloseHandle(h); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;

struct MappedViewTraits {
  using Handle = void*;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::UnmapViewOfFile(h); }
};
using MappedView = UniqueHandle<MappedViewTraits>;

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::FreeLibrary(h); }
};
using ModuleHandle = UniqueHandle<ModuleTraits>;

struct RegKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::RegCloseKey(h); }
};
using RegKeyHandle = UniqueHandle<RegKeyTraits>;

struct MenuTraits {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DestroyMenu(h); }
};
using MenuHandle = UniqueHandle<MenuTraits>;

struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DestroyIcon(h); }
};
using IconHandle = UniqueHandle<IconTraits>;

// Memory from VirtualAlloc (committed, possibly locked).
struct VirtualMemoryTraits {
  using Handle = void*;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::VirtualFree(h, 0, MEM_RELEASE); }
};
using VirtualMemory = UniqueHandle<VirtualMemoryTraits>;

// A directory search of FindFirstFile.
struct FindTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { ::FindClose(h); }
};
using FindHandle = UniqueHandle<FindTraits>;

}  // namespace orvix
