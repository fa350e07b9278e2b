#include "MemoryDump.h"

#include <cstdarg>
#include <cstdio>

#include "ButtonFunctionCodes.h"

namespace orvix::vmouse {
namespace {

#if defined(__GNUC__)
__attribute__((format(printf, 2, 3)))
#endif
void Append(std::string& out, const char* format, ...) {
  char line[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  out += line;
}

// A fixed 24-byte text of the macro report; not necessarily terminated.
std::string Text24(const char (&text)[24]) {
  std::string s;
  for (char c : text) {
    if (c == '\0') break;
    s += c;
  }
  return s;
}

const char* YesNo(bool b) { return b ? "yes" : "no"; }

void DumpProfile(std::string& out, const MouseProfile& profile, int p, bool current) {
  const DeviceSettings& s = profile.settings;
  Append(out, "profile %d%s:\n", p, current ? " (current)" : "");
  Append(out, "  sensitivity: synchronous %u, x %u, y %u\n", s.xySynchronous, s.sensitivityX, s.sensitivityY);
  Append(out, "  dpi levels:");
  for (int l = 0; l < 5; ++l) Append(out, " %d", s.levels[l] * 50);
  Append(out, " (enabled");
  for (int l = 0; l < 5; ++l) Append(out, "%c", (s.enabledLevels >> l) & 1 ? '1' : '0');
  Append(out, ", current level %u)\n", s.currentLevel);
  Append(out, "  polling rate: %u\n", s.pollingRate);
  Append(out, "  light: on %u, choice %u, flow %u, effect %u, speed %u, colour %u (%u,%u,%u)\n", s.lightOn,
         s.lightChoice, s.colorFlow, s.effectType, s.effectSpeed, s.paletteIndex, s.red, s.green, s.blue);
  for (int d = 0; d < kDeviceButtons; ++d) {
    const ButtonEntry& b = profile.buttons[d];
    Append(out, "  button %d: function %u", d, b.function);
    if (b.function == kFunctionShortcut) Append(out, ", shortcut key 0x%02X modifiers 0x%02X", b.key, b.modifiers);
    const DeviceMacro& m = profile.macros[d];
    if (m.eventCount > 0 || m.name[0] != '\0') {
      const int count = m.eventCount <= kMaxMacroEvents ? m.eventCount : 0;
      Append(out, ", macro \"%s\" from \"%s\", repeat %u, %d events:", Text24(m.name).c_str(),
             Text24(m.setName).c_str(), m.repeat, count);
      for (int e = 0; e < count; ++e)
        Append(out, " %02X%c%u", m.events[e].key, m.events[e].direction == kKeyRelease ? '-' : '+', m.events[e].delay);
    }
    out += '\n';
  }
}

}  // namespace

std::string DumpMemory(const MouseMemory& memory, const DumpContext& context) {
  const MouseState& state = memory.state;
  const FaultPlan& f = context.faults;
  std::string out;
  Append(out, "plugged in: %s\n", YesNo(context.pluggedIn));
  Append(out, "feature device open: %s\n", YesNo(context.featureDeviceOpen));
  Append(out, "firmware version: %u\n", state.firmwareVersion);
  Append(out, "host mode: %u\n", state.hostMode);
  Append(out, "current profile: %u\n", state.currentProfile);
  Append(out, "tracking: lift-off %u, tracking control %u, calibration value %u, calibration mode %u\n",
         state.tracking.liftOn, state.tracking.trackControl, state.tracking.calibrationValue,
         state.tracking.calibrationMode);
  Append(out, "light control:");
  for (std::uint8_t b : state.lightControl) Append(out, " %02X", b);
  out += '\n';
  Append(out, "light database: %lu bytes\n", static_cast<unsigned long>(memory.lightDatabase.size()));
  Append(out, "faults: busy %d, fail status %d x%d, corrupt checksums %d, failed reads %d, slow %d ms, unplug after %d\n",
         f.busyAnswers, f.failStatus, f.failStatusWrites, f.corruptChecksums, f.failedReads, f.slowMs,
         f.unplugAfterReports);
  for (int p = 0; p < kMouseProfiles; ++p) DumpProfile(out, state.profiles[p], p, p == state.currentProfile);
  return out;
}

}  // namespace orvix::vmouse
