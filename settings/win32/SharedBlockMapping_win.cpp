#include "SharedBlockMapping_win.h"

#include <cstring>
#include <memory>

namespace orvix {

std::optional<SharedBlockMutex> SharedBlockMutex::Create() {
  KernelHandle h(::CreateMutexA(nullptr, FALSE, kSharedBlockMutexName));
  if (!h || ::GetLastError() == ERROR_ALREADY_EXISTS) return std::nullopt;
  return SharedBlockMutex(std::move(h));
}

std::optional<SharedBlockMutex> SharedBlockMutex::Open() {
  KernelHandle h(::OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kSharedBlockMutexName));
  if (!h) return std::nullopt;
  return SharedBlockMutex(std::move(h));
}

bool SharedBlockMutex::Acquire(DWORD timeoutMs) const {
  const DWORD r = ::WaitForSingleObject(handle_.get(), timeoutMs);
  return r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

void SharedBlockMutex::Release() const { ::ReleaseMutex(handle_.get()); }

std::optional<SharedBlockMapping> SharedBlockMapping::Create() {
  SECURITY_DESCRIPTOR descriptor{};
  if (!::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)) return std::nullopt;
  if (!::SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE)) return std::nullopt;
  SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, TRUE};

  KernelHandle mapping(::CreateFileMappingA(INVALID_HANDLE_VALUE, &attributes, PAGE_READWRITE, 0,
                                            sizeof(SharedDataBlock), kSharedBlockName));
  if (!mapping) return std::nullopt;
  MappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedDataBlock)));
  if (!view) return std::nullopt;
  return SharedBlockMapping(std::move(mapping), std::move(view));
}

std::optional<SharedBlockMapping> SharedBlockMapping::Open(bool* unmappable) {
  if (unmappable) *unmappable = false;
  KernelHandle mapping(::OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kSharedBlockName));
  if (!mapping) return std::nullopt;
  // Exactly one block: a smaller mapping cannot be mapped at that size.
  MappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SharedDataBlock)));
  if (!view) {
    if (unmappable) *unmappable = true;
    return std::nullopt;
  }
  // Someone else may own a mapping of that name; never copy past its end.
  MEMORY_BASIC_INFORMATION info{};
  if (::VirtualQuery(view.get(), &info, sizeof info) == 0 || info.RegionSize < sizeof(SharedDataBlock))
    return std::nullopt;
  return SharedBlockMapping(std::move(mapping), std::move(view));
}

bool SharedBlockMapping::Exchange(const SharedBlockMutex& mutex,
                                  const std::function<void(SharedDataBlock&)>& change) const {
  auto scratch = std::make_unique<SharedDataBlock>();
  if (!mutex.Acquire()) return false;
  std::memcpy(scratch.get(), view_.get(), sizeof *scratch);
  change(*scratch);
  std::memcpy(view_.get(), scratch.get(), sizeof *scratch);
  mutex.Release();
  return true;
}

bool SharedBlockMapping::CopyIn(const SharedBlockMutex& mutex, SharedDataBlock& local) const {
  if (!mutex.Acquire()) return false;
  std::memcpy(&local, view_.get(), sizeof local);
  mutex.Release();
  return true;
}

bool SharedBlockMapping::CopyOut(const SharedBlockMutex& mutex, const SharedDataBlock& local) const {
  if (!mutex.Acquire()) return false;
  std::memcpy(view_.get(), &local, sizeof local);
  mutex.Release();
  return true;
}

}  // namespace orvix
