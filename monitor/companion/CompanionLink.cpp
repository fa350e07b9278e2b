#include "CompanionLink.h"

#include <algorithm>
#include <cstring>

#include "ButtonFunctionCodes.h"
#include "CompanionRecords.h"
#include "Messages.h"

namespace orvix {
namespace {

// Light value of a status argument: 0 switches on, 1 off, anything else leaves it.
std::uint8_t LightValue(std::intptr_t argument, std::uint8_t on) {
  if (argument == 0) return on;
  if (argument == 1) return 0;
  return 255;
}

}  // namespace

CompanionLink::CompanionLink(CompanionPorts& ports, std::uint32_t monitorWindow)
    : ports_(ports), monitorWindow_(monitorWindow) {}

void CompanionLink::OnStatus(StatusChannel channel, unsigned status, std::intptr_t argument,
                             const ProfileRecord* current) {
  const bool fixed = channel == StatusChannel::kStatusMessage;
  switch (status) {
    case 6:
      if (companionWindow_ == 0) {
        companionWindow_ = static_cast<std::uintptr_t>(argument);
        Send(kRecordDeviceConnected, EncodeDeviceRecord(monitorWindow_, current));
        Send(kRecordDpiTable, EncodeDeviceRecord(monitorWindow_, current));
      }
      takeover_ = true;
      ports_.UpdateTrayIcon();
      return;
    case 7:
      companionWindow_ = 0;
      takeover_ = false;
      ports_.UpdateTrayIcon();
      return;
    case 8:
      if (fixed) ports_.PostCommandToSelf(kCommandOpenConfiguration);
      return;
    case 9:
      if (fixed) ports_.PostCommandToSelf(kCommandExit);
      return;
    case 10:
      if (fixed) ports_.UpdateTrayIcon();
      return;
    case 140:
    case 245:
      ports_.SendLightReport(LightValue(argument, 1), 255, 255);
      return;
    case 141:
    case 246:
      if (argument != 0) return;
      lightToggle_ = 1 - lightToggle_;
      ports_.SendLightReport(255, static_cast<std::uint8_t>(lightToggle_), 255);
      return;
    default:
      if (fixed && status >= 247 && status <= 251)
        ports_.SendLightReport(255, 255, LightValue(argument, static_cast<std::uint8_t>(status - 246)));
      return;
  }
}

void CompanionLink::OnDeviceRecord(const void* data, std::size_t size) {
  const auto record = DecodeCompanionDeviceRecord(data, size);
  if (!record) return;
  const int count = std::clamp(devices_.count, 0, kMaxCompanionDevices);
  CompanionDevice* entry = nullptr;
  for (int i = 0; i < count && !entry; ++i)
    if (devices_.devices[i].PID == record->productId) entry = &devices_.devices[i];
  if (!entry) {
    if (count == kMaxCompanionDevices) return;  // full: the new device is refused
    entry = &devices_.devices[count];
    devices_.count = count + 1;
  }
  *entry = CompanionDevice{};
  entry->VID = record->vendorId;
  entry->PID = record->productId;
  const std::string name = ports_.ToAnsi(record->name, kCompanionNameSize - 1);
  std::memcpy(entry->Name, name.data(), std::min(name.size(), sizeof entry->Name - 1));
  std::copy(record->cpi.begin(), record->cpi.end(), entry->Cpi);
  ports_.SaveDeviceList(devices_);
  ports_.NotifyDevicesChanged();
}

void CompanionLink::OnButtonFunction(const ButtonAssignment& slot, std::uint8_t eventHighByte) {
  const auto parameter = static_cast<std::uint16_t>(slot.companionDevice);
  switch (slot.function) {
    case kFunctionAltlayerDevice:
      Send(245, EncodeButtonFunctionRecord(245, parameter, eventHighByte));
      break;
    case kFunctionAltlayerDeviceLock:
      Send(246, EncodeButtonFunctionRecord(246, parameter, eventHighByte));
      break;
    case kFunctionAltlayerAllDevices:
      Send(140, EncodeButtonFunctionRecord(140, 0xFFFF, eventHighByte));
      break;
    case kFunctionAltlayerAllLock:
      Send(141, EncodeButtonFunctionRecord(141, 0xFFFF, eventHighByte));
      break;
    default:
      Send(0, EncodeButtonFunctionRecord(0, parameter, eventHighByte));
      break;
  }
}

void CompanionLink::SendDeviceStatus(bool connected, const ProfileRecord* current) {
  Send(connected ? kRecordDeviceConnected : kRecordDeviceNotConnected, EncodeDeviceRecord(monitorWindow_, current));
}

void CompanionLink::SendDpiTable(const ProfileRecord* current) {
  Send(kRecordDpiTable, EncodeDeviceRecord(monitorWindow_, current));
}

void CompanionLink::Send(std::uint32_t type, const std::vector<std::uint8_t>& bytes) {
  if (companionWindow_ != 0) ports_.SendCopyData(companionWindow_, kCompanionCopyDataBase + type, bytes);
}

}  // namespace orvix
