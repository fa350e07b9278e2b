#include "apply/StoreFiles.h"

#include <gtest/gtest.h>

#include <memory>

#include "ConfigFiles.h"
#include "FakeRegistry.h"
#include "FakeSystemInfo.h"
#include "TempFolder.h"
#include "TextIniStore.h"
#include "apply/UnappliedEditsFile.h"

namespace orvix {
namespace {

TEST(StoreFiles, KeptEditsComeBackOnceAndDamagedOnesAreRefused) {
  testing::TempFolder folder;
  TextIniStore ini;
  HostConfigFiles files;
  testing::FakeRegistry registry;
  testing::FakeSystemInfo system{folder.Folder()};
  const SettingsStore store{ini, files, registry, system};
  StoreFiles storeFiles(store);
  std::filesystem::create_directory(HostPath(folder.PathOf("config")));

  auto working = std::make_unique<SharedDataBlock>();
  auto applied = std::make_unique<SharedDataBlock>();
  working->config.profiles[2].Sensitivity = 9;
  working->flags.button[1][4] = 1;
  ASSERT_TRUE(storeFiles.SaveUnappliedEdits(*working, *applied));

  auto w = std::make_unique<SharedDataBlock>();
  auto a = std::make_unique<SharedDataBlock>();
  ASSERT_TRUE(storeFiles.LoadUnappliedEdits(*w, *a));
  EXPECT_EQ(w->config.profiles[2].Sensitivity, 9);
  EXPECT_EQ(w->flags.button[1][4], 1);
  storeFiles.DiscardUnappliedEdits();
  EXPECT_FALSE(storeFiles.LoadUnappliedEdits(*w, *a));

  // A truncated file or one of another kind is refused whole, the records untouched.
  const std::string path = folder.PathOf(kUnappliedEditsFile);
  std::string content = EncodeUnappliedEdits(*working, *applied);
  w->config.profiles[2].Sensitivity = -7;
  for (const std::string& damaged : {content.substr(0, content.size() - 1), "X" + content.substr(1), std::string()}) {
    ASSERT_TRUE(files.Replace(path, damaged));
    EXPECT_FALSE(storeFiles.LoadUnappliedEdits(*w, *a));
    EXPECT_EQ(w->config.profiles[2].Sensitivity, -7);
  }
}

}  // namespace
}  // namespace orvix
