#include "IniWriteBatch.h"

#include <gtest/gtest.h>

#include "ConfigFiles.h"
#include "TempFolder.h"
#include "TextIniStore.h"

namespace orvix {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

// Host files whose steps can be made to fail, and that see who holds the lock.
class ObservedFiles : public ConfigFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    EXPECT_TRUE(locked) << "a file is read for writing only under the lock";
    if (unreadable) return std::nullopt;
    return host.Read(path);
  }
  bool Exists(const std::string& path) override { return host.Exists(path); }
  bool Replace(const std::string& path, const std::string& content) override {
    EXPECT_TRUE(locked);
    ++replaces;
    if (failReplace) return false;
    return host.Replace(path, content);
  }
  bool Remove(const std::string& path) override { return host.Remove(path); }
  bool Lock() override { return locked = lockFree; }
  void Unlock() override { locked = false; }

  HostConfigFiles host;
  bool locked = false, lockFree = true, unreadable = false, failReplace = false;
  int replaces = 0;
};

class IniWriteBatchTest : public ::testing::Test {
 protected:
  std::string Read(const char* key) { return text.ReadString(path, "Setting", key, "(none)", 100); }

  TempFolder folder;
  std::string path = folder.PathOf("config.ini");
  TextIniStore text;
  ObservedFiles files;
};

TEST_F(IniWriteBatchTest, KeysAreWrittenAtCommitOntoTheFileAsItIsThen) {
  text.WriteString(path, "Setting", "CurrentProfile", "0");
  IniWriteBatch batch(text, files);
  batch.WriteString(path, "Setting", "QuickHelpLan", "4");
  batch.WriteString(path, "Setting", "WindowsProfile", "2");
  EXPECT_EQ(Read("QuickHelpLan"), "(none)") << "nothing is written before Commit";
  // Another writer changes the file meanwhile: its key survives the commit.
  text.WriteString(path, "Setting", "Device", "1");
  text.WriteString(path, "Setting", "CurrentProfile", "3");
  ASSERT_TRUE(batch.Commit());
  EXPECT_EQ(Read("QuickHelpLan"), "4");
  EXPECT_EQ(Read("WindowsProfile"), "2");
  EXPECT_EQ(Read("Device"), "1");
  EXPECT_EQ(Read("CurrentProfile"), "3");
  EXPECT_EQ(files.replaces, 1) << "one replacement per file, whatever the number of keys";
  EXPECT_FALSE(files.locked);
}

TEST_F(IniWriteBatchTest, NothingIsWrittenWithoutTheLockOrOverAnUnreadableFile) {
  text.WriteString(path, "Setting", "Kept", "yes");
  const std::string before = ReadFileBytes(path);
  {
    IniWriteBatch batch(text, files);
    batch.WriteString(path, "Setting", "New", "1");
    files.lockFree = false;
    EXPECT_FALSE(batch.Commit());
    EXPECT_EQ(files.replaces, 0);
  }
  {
    files.lockFree = true;
    files.unreadable = true;  // replacing it would drop every key it has
    IniWriteBatch batch(text, files);
    batch.WriteString(path, "Setting", "New", "1");
    EXPECT_FALSE(batch.Commit());
    EXPECT_EQ(files.replaces, 0);
  }
  EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(IniWriteBatchTest, AFailedReplacementLeavesTheOldFileAndReportsIt) {
  text.WriteString(path, "Setting", "A", "old");
  const std::string before = ReadFileBytes(path);
  const std::string other = folder.PathOf("other.ini");
  IniWriteBatch batch(text, files);
  batch.WriteString(path, "Setting", "A", "new");
  batch.WriteStruct(other, "Setting", "Block", "\x01\x02", 2);
  files.failReplace = true;
  EXPECT_FALSE(batch.Commit());
  EXPECT_EQ(ReadFileBytes(path), before);
  EXPECT_EQ(files.replaces, 2) << "every file is tried";
}

TEST(HostConfigFiles, ReplaceLeavesNoTemporaryFileBehind) {
  TempFolder folder;
  HostConfigFiles files;
  const std::string path = folder.PathOf("config.ini");
  ASSERT_TRUE(files.Replace(path, "[Setting]\r\nA=1\r\n"));
  ASSERT_TRUE(files.Replace(path, "[Setting]\r\nA=2\r\n"));
  EXPECT_EQ(files.Read(path).value_or(""), "[Setting]\r\nA=2\r\n");
  EXPECT_FALSE(files.Exists(path + ".new"));
  EXPECT_FALSE(files.Replace(folder.PathOf("missing\\folder\\x.ini"), "x"));
}

}  // namespace
}  // namespace orvix
