#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ButtonFunctionCodes.h"
#include "actions/ButtonDispatch.h"

namespace orvix {
namespace {

class RecordingActions : public HostActions {
 public:
  void ScrollHorizontally(int d) override { Log("scroll " + std::to_string(d)); }
  void OpenProgram(const std::string& p) override { Log("open " + p); }
  void OpenConfigurationProgram() override { Log("configuration"); }
  void Multimedia(int code, int flag) override { Log("media " + std::to_string(code) + "/" + std::to_string(flag)); }
  void ShortcutDown(ShortcutWord w) override { Log("down " + std::to_string(w.key) + "/" + std::to_string(w.modifiers)); }
  void ShortcutUp(ShortcutWord w) override { Log("up " + std::to_string(w.key)); }
  void Macro(const ButtonAssignment& s) override { Log("macro " + std::to_string(s.slot)); }
  void CountdownStart(int seconds) override { Log("countdown " + std::to_string(seconds)); }
  void CountdownStop() override { Log("stop countdown"); }
  std::vector<std::string> log;

 private:
  void Log(std::string s) { log.push_back(std::move(s)); }
};

std::uint32_t Event(std::uint16_t cls, std::uint16_t data) { return static_cast<std::uint32_t>(cls) << 16 | data; }

struct Dispatch : ::testing::Test {
  Dispatch() : config(std::make_unique<ConfigRecord>()) {
    config->CurrentProfile = 1;
    ProfileRecord& p = config->profiles[1];
    for (int s = 0; s < kButtonSlots; ++s) p.MacroKeyInfo[s].slot = static_cast<std::uint8_t>(s);
    p.MacroKeyInfo[12].function = kFunctionShortcut;  // device button 9 → slot 12
    p.MacroKeyInfo[12].events[0] = {4, kModifierCtrl, 0};
    p.MacroKeyInfo[13].function = kFunctionMacro;     // device button 10
    p.MacroKeyInfo[0].function = kFunctionQuicklaunch;
    std::strcpy(p.MacroKeyInfo[0].programPath, "C:\\Games\\game.exe");
    p.MacroKeyInfo[1].function = kFunctionTimer;
    p.MacroKeyInfo[1].timerSeconds = 10;
  }
  void Send(std::uint16_t cls, std::uint16_t data) { DispatchHostButtonEvent(Event(cls, data), *config, actions); }
  std::unique_ptr<ConfigRecord> config;
  RecordingActions actions;
};

}  // namespace

TEST_F(Dispatch, ClassesAndConditionsChooseTheAction) {
  Send(0x1000, 1);
  Send(0x1000, 255);
  Send(0x1000, 2);       // no direction
  Send(0x6000, 1);       // device button 0: quicklaunch slot
  Send(0x6000, 14);      // not a quicklaunch slot
  Send(0x8000, 0x010E);  // high byte set: nothing
  Send(0x8000, 14);      // device button 13 → slot 16: no host function
  Send(0x9000, 0x0302);  // device button 1 → slot 1, timer, any high byte
  Send(0xA000, 1);
  Send(0xA000, 2);
  Send(0xF000, 0x0021);
  Send(0xF000, 0x0128);  // 40: not a media code
  Send(0x8000, 25);      // beyond the 24 buttons
  EXPECT_EQ(actions.log, (std::vector<std::string>{"scroll -1", "scroll 1", "open C:\\Games\\game.exe", "countdown 10",
                                                   "configuration", "media 33/0"}));
}

TEST_F(Dispatch, AShortcutIsPressedAndLetGoByItsButton) {
  Send(0x9000, 10);      // device button 9 → slot 12, pressed
  Send(0x9000, 0x010A);  // released
  Send(0x8000, 11);      // device button 10 → slot 13: macro
  Send(0x9000, 0x010B);  // for a macro the high byte is no release
  EXPECT_EQ(actions.log, (std::vector<std::string>{"down 4/4", "up 4", "macro 13", "macro 13"}));
}

TEST_F(Dispatch, NoCurrentProfileMeansNoAction) {
  config->CurrentProfile = 7;
  Send(0x8000, 11);
  Send(0x6000, 1);
  config->CurrentProfile = -5;
  Send(0x9000, 10);
  EXPECT_TRUE(actions.log.empty());
}

}  // namespace orvix
