#include "ControlCommands.h"

#include <charconv>
#include <optional>
#include <vector>

namespace orvix::vmouse {
namespace {

constexpr int kDefaultUnplugAfter = 12;

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\n')) ++i;
    std::size_t end = i;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r' && line[end] != '\n') ++end;
    if (end > i) words.push_back(line.substr(i, end - i));
    i = end;
  }
  return words;
}

// Decimal, or hexadecimal with 0x; within [low, high].
std::optional<long> Number(std::string_view word, long low, long high) {
  bool negative = false;
  if (!word.empty() && word[0] == '-') {
    negative = true;
    word.remove_prefix(1);
  }
  int base = 10;
  if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
    base = 16;
    word.remove_prefix(2);
  }
  long value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  if (negative) value = -value;
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::string Error(const std::string& why) { return "error: " + why + "\n"; }
const std::string kOk = "ok\n";

std::string RunFault(Firmware& firmware, const std::vector<std::string_view>& w) {
  if (w.size() < 2) return Error("fault needs a kind (see help)");
  FaultPlan plan = firmware.Faults();
  const std::string_view kind = w[1];
  auto count = [&](std::size_t at, long fallback, long high) -> std::optional<long> {
    if (w.size() <= at) return fallback >= 0 ? std::optional<long>(fallback) : std::nullopt;
    return Number(w[at], 0, high);
  };
  if (kind == "clear") {
    firmware.SetFaults(FaultPlan{});
    return kOk;
  }
  if (kind == "busy" || kind == "checksum" || kind == "failread") {
    const auto n = count(2, -1, 1000000);
    if (!n) return Error("fault " + std::string(kind) + " needs a count");
    (kind == "busy" ? plan.busyAnswers : kind == "checksum" ? plan.corruptChecksums : plan.failedReads) =
        static_cast<int>(*n);
  } else if (kind == "status") {
    const auto status = w.size() > 2 ? Number(w[2], 0, 255) : std::nullopt;
    const auto n = count(3, 1, 1000000);
    if (!status || !n) return Error("fault status needs a status value 0..255 and an optional count");
    plan.failStatus = static_cast<int>(*status);
    plan.failStatusWrites = static_cast<int>(*n);
  } else if (kind == "slow") {
    const auto ms = count(2, -1, 60000);
    if (!ms) return Error("fault slow needs milliseconds 0..60000");
    plan.slowMs = static_cast<int>(*ms);
  } else if (kind == "unplug-during-read") {
    const auto n = count(2, kDefaultUnplugAfter, 100000);
    if (!n) return Error("fault unplug-during-read takes a report count");
    plan.unplugAfterReports = static_cast<int>(*n);
  } else {
    return Error("unknown fault \"" + std::string(kind) + "\"");
  }
  firmware.SetFaults(plan);
  return kOk;
}

}  // namespace

std::string RunControlCommand(Firmware& firmware, std::string_view line) {
  const std::vector<std::string_view> w = Words(line);
  if (w.empty()) return Error("empty command");
  const std::string_view command = w[0];
  auto argument = [&](std::size_t at, long low, long high) {
    return w.size() > at ? Number(w[at], low, high) : std::nullopt;
  };

  if (command == "press" || command == "release" || command == "tap") {
    const auto button = argument(1, 0, kDeviceButtons - 1);
    if (!button) return Error(std::string(command) + " needs a device button 0..17");
    if (!firmware.pluggedIn()) return Error("the mouse is unplugged");
    if (command != "release") firmware.PressButton(static_cast<int>(*button));
    if (command != "press") firmware.ReleaseButton(static_cast<int>(*button));
    return kOk;
  }
  if (command == "click") {
    const auto button = argument(1, 1, 5);
    const auto times = w.size() > 2 ? argument(2, 1, 0xFFFF) : std::optional<long>(1);
    if (!button || !times) return Error("click needs a button 1..5 and an optional count 1..65535");
    firmware.Click(static_cast<int>(*button), static_cast<int>(*times));
    return kOk;
  }
  if (command == "wheel") {
    const auto notches = argument(1, -0xFFFF, 0xFFFF);
    if (!notches || *notches == 0) return Error("wheel needs a non-zero number of notches (negative: down)");
    firmware.Wheel(static_cast<int>(*notches));
    return kOk;
  }
  if (command == "move") {
    const auto distance = argument(1, 1, 0xFFFF);
    if (!distance) return Error("move needs a distance 1..65535");
    firmware.Move(static_cast<int>(*distance));
    return kOk;
  }
  if (command == "event") {
    const auto eventClass = argument(1, 0, 0xFFFF);
    const auto data = argument(2, 0, 0xFFFF);
    if (!eventClass || !data) return Error("event needs a class and data, 16 bits each");
    firmware.RaiseEvent(static_cast<std::uint16_t>(*eventClass), static_cast<std::uint16_t>(*data));
    return kOk;
  }
  if (command == "unplug") {
    firmware.Unplug();
    return kOk;
  }
  if (command == "replug") {
    firmware.Replug();
    return kOk;
  }
  if (command == "fault") return RunFault(firmware, w);
  if (command == "dump") return kOk + firmware.Dump();
  if (command == "help") return kOk + ControlHelp();
  return Error("unknown command \"" + std::string(command) + "\" (try help)");
}

std::string ControlHelp() {
  return "press <button>          device button 0..17 goes down: the mouse does its function\n"
         "release <button>        the button comes up (a shortcut button reports its release)\n"
         "tap <button>            press and release\n"
         "click <1..5> [count]    clicks counted for mouse button 1..5\n"
         "wheel <notches>         wheel turns, positive up, negative down\n"
         "move <distance>         distance travelled\n"
         "unplug                  pull the mouse out (the monitor gets 1326 with wParam 0)\n"
         "replug                  plug it back in (1326 with wParam 1)\n"
         "event <class> <data>    report a raw event, e.g. event 0xB000 2\n"
         "fault busy <n>          answer the next n status reads with busy (3)\n"
         "fault status <s> [n]    answer the next n writes (default 1) with status s, ignoring them\n"
         "fault checksum <n>      send the next n reads of reports 6, 7, 8 with a wrong checksum\n"
         "fault failread <n>      fail the next n reads\n"
         "fault slow <ms>         take this long for every report (0: normal speed)\n"
         "fault unplug-during-read [n]\n"
         "                        unplug n reports (default 12) after the next firmware version read\n"
         "fault clear             no more faults\n"
         "dump                    the mouse's memory as text\n"
         "help                    this text\n"
         "Numbers are decimal or hexadecimal with 0x.\n";
}

}  // namespace orvix::vmouse
