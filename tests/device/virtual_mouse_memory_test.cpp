#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "ControlCommands.h"
#include "FirmwareFixture.h"
#include "MemoryFile.h"

namespace orvix::test {
namespace {

bool SameState(const vmouse::MouseMemory& a, const vmouse::MouseMemory& b) {
  return std::memcmp(&a.state, &b.state, sizeof a.state) == 0 && a.lightDatabase == b.lightDatabase;
}

class MemoryFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    std::filesystem::remove(path_);
    std::filesystem::remove(path_ + ".new");
  }
  std::string path_ = (std::filesystem::temp_directory_path() /
                       ("orvix_mouse_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dat"))
                          .string();
};

std::unique_ptr<vmouse::MouseMemory> UsedMemory() {
  auto memory = FactoryMouseMemory();
  memory->state.currentProfile = 3;
  memory->state.profiles[1].macros[4].eventCount = 2;
  memory->state.profiles[1].macros[4].events[1] = {0x1D, 2, 40};
  memory->lightDatabase.assign(2048, 0x5A);
  return memory;
}

TEST_F(MemoryFileTest, WhatWasSavedIsFoundAgain) {
  const auto used = UsedMemory();
  ASSERT_TRUE(vmouse::SaveMemoryFile(path_, *used));
  ASSERT_TRUE(vmouse::SaveMemoryFile(path_, *used));  // replaces the previous file
  auto loaded = std::make_unique<vmouse::MouseMemory>();
  vmouse::LoadMemoryFile(path_, *loaded);
  EXPECT_TRUE(SameState(*loaded, *used));
}

TEST_F(MemoryFileTest, MissingOrDamagedFilesGiveTheFactoryMemory) {
  const auto factory = FactoryMouseMemory();
  auto loaded = std::make_unique<vmouse::MouseMemory>();
  vmouse::LoadMemoryFile(path_, *loaded);  // missing
  EXPECT_TRUE(SameState(*loaded, *factory));

  const std::vector<std::uint8_t> good = vmouse::SerializeMemory(*UsedMemory());
  auto flipped = good;
  flipped[5000] ^= 0x10;
  auto cut = good;
  cut.resize(good.size() - 1024);
  // A whole, sealed image that holds a current profile the mouse could never have.
  auto impossible = UsedMemory();
  impossible->state.currentProfile = 9;
  auto macroTooLong = UsedMemory();
  macroTooLong->state.profiles[0].macros[0].eventCount = 501;
  for (const auto& bytes : {flipped, cut, std::vector<std::uint8_t>{}, vmouse::SerializeMemory(*impossible),
                            vmouse::SerializeMemory(*macroTooLong)}) {
    std::ofstream(path_, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    auto memory = UsedMemory();
    vmouse::LoadMemoryFile(path_, *memory);
    EXPECT_TRUE(SameState(*memory, *factory));
  }
  auto parsed = UsedMemory();
  EXPECT_TRUE(vmouse::ParseMemory(good, *parsed));
}

TEST(VirtualMouseControl, CommandsReachTheMouse) {
  VirtualMouse mouse;
  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "tap 0"), "ok\n");
  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "  event 0xB000 2 \r\n"), "ok\n");
  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "wheel -3"), "ok\n");
  EXPECT_EQ(mouse.sink.events,
            (std::vector<vmouse::MouseEvent>{{0xE100, 1}, {0xB000, 2}, {0xE700, 3}}));

  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "fault busy 4"), "ok\n");
  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "fault status 9"), "ok\n");
  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "fault unplug-during-read"), "ok\n");
  const vmouse::FaultPlan plan = mouse.firmware.Faults();
  EXPECT_EQ(plan.busyAnswers, 4);
  EXPECT_EQ(plan.failStatus, 9);
  EXPECT_EQ(plan.failStatusWrites, 1);
  EXPECT_EQ(plan.unplugAfterReports, 12);
  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "fault clear"), "ok\n");
  EXPECT_FALSE(mouse.firmware.Faults().any());

  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "unplug"), "ok\n");
  EXPECT_EQ(mouse.sink.arrivals, std::vector<bool>{false});
  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "press 1").rfind("error:", 0), 0u);
  EXPECT_EQ(vmouse::RunControlCommand(mouse.firmware, "replug"), "ok\n");
  EXPECT_EQ(mouse.sink.arrivals, (std::vector<bool>{false, true}));
}

TEST(VirtualMouseControl, BadCommandsAreRefusedWithAReason) {
  VirtualMouse mouse;
  for (const char* bad : {"", "jump", "press", "press 18", "press -1", "press 0x", "click 6", "click 1 0",
                          "wheel 0", "wheel 12x", "event 0x10000 1", "event 1", "fault", "fault busy",
                          "fault status 256", "fault slow 99999", "fault melt"}) {
    const std::string answer = vmouse::RunControlCommand(mouse.firmware, bad);
    EXPECT_EQ(answer.rfind("error: ", 0), 0u) << bad << " -> " << answer;
  }
  EXPECT_TRUE(mouse.sink.events.empty());
  EXPECT_FALSE(mouse.firmware.Faults().any());
}

TEST(VirtualMouseControl, DumpShowsTheMemory) {
  VirtualMouse mouse;
  std::vector<std::uint8_t> macro(2082, 0);
  macro[0] = 8;
  macro[1] = 0x22;
  macro[2] = 0x08;
  macro[3] = 2;
  macro[4] = 7;
  std::memcpy(&macro[54], "Reload", 6);
  macro[78] = 2;
  macro[80] = 0x15;
  macro[81] = 1;
  macro[82] = 20;
  macro[84] = 0x15;
  macro[85] = 2;
  Seal(macro);
  ASSERT_TRUE(mouse.firmware.SetFeature(macro.data(), 2082));
  mouse.firmware.PressButton(16);  // factory: profile up
  const std::string dump = vmouse::RunControlCommand(mouse.firmware, "dump");
  EXPECT_EQ(dump.rfind("ok\n", 0), 0u);
  EXPECT_NE(dump.find("current profile: 1\n"), std::string::npos);
  EXPECT_NE(dump.find("profile 1 (current):\n"), std::string::npos);
  EXPECT_NE(dump.find("dpi levels: 800 1600 3200 6400 8200 (enabled11111, current level 0)"), std::string::npos);
  EXPECT_NE(dump.find("button 7: function 21, macro \"Reload\" from \"\", repeat 0, 2 events: 15+20 15-0\n"),
            std::string::npos);
}

}  // namespace
}  // namespace orvix::test
