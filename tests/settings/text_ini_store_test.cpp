#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "DecimalText.h"
#include "FixedText.h"
#include "IniFile.h"
#include "StructText.h"
#include "TempFolder.h"
#include "TextIniStore.h"

namespace orvix {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;
using testing::WriteFileBytes;

class TextIniStoreTest : public ::testing::Test {
 protected:
  std::string Read(const char* section, const char* key, const char* fallback = "<none>", std::size_t capacity = 2048) {
    return store.ReadString(path, section, key, fallback, capacity);
  }

  TempFolder folder;
  std::string path = folder.PathOf("test.ini");
  TextIniStore store;
};

TEST_F(TextIniStoreTest, NamesIgnoreCaseAndWhiteSpaceAndValuesLoseTheirQuotes) {
  WriteFileBytes(path,
                 "[ Setting ]\n"
                 "  Name =  two words  \n"
                 "Quoted=\"  spaced  \"\n"
                 "Single='x'\n"
                 "Unbalanced=\"x'\n"
                 "NoValue\n"
                 "Empty=\n");
  EXPECT_EQ(Read("setting", "NAME"), "two words");
  EXPECT_EQ(Read(" Setting ", "name"), "two words");
  EXPECT_EQ(Read("Setting", "Quoted"), "  spaced  ");
  EXPECT_EQ(Read("Setting", "Single"), "x");
  EXPECT_EQ(Read("Setting", "Unbalanced"), "\"x'");
  EXPECT_EQ(Read("Setting", "NoValue"), "<none>");  // a key line without "=" has no value
  EXPECT_EQ(Read("Setting", "Empty"), "");
  EXPECT_EQ(Read("Setting", "Missing"), "<none>");
  EXPECT_EQ(Read("Other", "Name"), "<none>");
  EXPECT_EQ(store.ReadString(path, "Setting", "Missing", "fallback   ", 2048), "fallback");
}

TEST_F(TextIniStoreTest, TextsAreCutToTheBufferCapacity) {
  WriteFileBytes(path, "[S]\nK=abcdef\n");
  EXPECT_EQ(Read("S", "K", "", 4), "abc");
  EXPECT_EQ(Read("S", "K", "", 1), "");
  EXPECT_EQ(Read("S", "K", "", 0), "");
  EXPECT_EQ(Read("S", "Missing", "defaults", 5), "defa");
}

TEST_F(TextIniStoreTest, FirstOfDuplicateSectionsAndKeysWins) {
  WriteFileBytes(path, "[S]\nK=1\nk=2\n[s]\nK=3\nOnlyLater=4\n");
  EXPECT_EQ(Read("S", "K"), "1");
  EXPECT_EQ(Read("S", "OnlyLater"), "<none>");
  ASSERT_TRUE(store.WriteString(path, "S", "K", "5"));
  EXPECT_EQ(ReadFileBytes(path), "[S]\r\nK=5\r\nk=2\r\n[s]\r\nK=3\r\nOnlyLater=4\r\n");
}

TEST_F(TextIniStoreTest, WritingCreatesTheFileAndSectionAndKeepsTheOrder) {
  ASSERT_TRUE(store.WriteString(path, "Setting", "B", "2"));
  ASSERT_TRUE(store.WriteString(path, "Setting", "A", "1"));
  ASSERT_TRUE(store.WriteString(path, "Other", "C", "3"));
  ASSERT_TRUE(store.WriteString(path, "Setting", "D", "4"));  // at the end of its section
  ASSERT_TRUE(store.WriteString(path, "setting", "b", "22"));  // in place, the stored name kept
  EXPECT_EQ(ReadFileBytes(path), "[Setting]\r\nB=22\r\nA=1\r\nD=4\r\n\r\n[Other]\r\nC=3\r\n");
  // A shorter value leaves nothing of the longer file behind.
  ASSERT_TRUE(store.WriteString(path, "Setting", "B", std::string(500, 'b').c_str()));
  ASSERT_TRUE(store.WriteString(path, "Setting", "B", ""));
  EXPECT_EQ(ReadFileBytes(path), "[Setting]\r\nB=\r\nA=1\r\nD=4\r\n\r\n[Other]\r\nC=3\r\n");
}

TEST_F(TextIniStoreTest, HandEditedFilesKeepTheirOtherLines) {
  WriteFileBytes(path, "; comment\n[Setting]\nA = 1\n\nforeign=kept\n\n[Next]\nX=y");  // no newline at the end
  ASSERT_TRUE(store.WriteString(path, "Setting", "New", "n"));
  ASSERT_TRUE(store.WriteString(path, "Next", "X", "z"));
  EXPECT_EQ(ReadFileBytes(path), "; comment\r\n[Setting]\r\nA = 1\r\n\r\nforeign=kept\r\nNew=n\r\n\r\n[Next]\r\nX=z\r\n");
  EXPECT_EQ(Read("Setting", "A"), "1");
}

TEST_F(TextIniStoreTest, WritingIntoAMissingFolderFails) {
  EXPECT_FALSE(store.WriteString(folder.PathOf("missing\\file.ini"), "S", "K", "v"));
  EXPECT_FALSE(store.WriteString(folder.PathOf("missing/file.ini"), "S", "K", "v"));
}

TEST_F(TextIniStoreTest, IntegersAreReadAsTheSystemReadsThem) {
  WriteFileBytes(path,
                 "[S]\nPlain=42\nNegative=-17\nSpaced=   +8 apples\nWord=abc\nEmpty=\nQuoted=\"12\"\n"
                 "Large=4294967297\nLong=12345678901234567890123456789999\nHex=0x10\n");
  EXPECT_EQ(store.ReadInt(path, "S", "Plain", -1), 42);
  EXPECT_EQ(store.ReadInt(path, "S", "Negative", -1), -17);
  EXPECT_EQ(store.ReadInt(path, "S", "Spaced", -1), 8);
  EXPECT_EQ(store.ReadInt(path, "S", "Word", -1), 0);
  EXPECT_EQ(store.ReadInt(path, "S", "Empty", -1), -1);
  EXPECT_EQ(store.ReadInt(path, "S", "Quoted", -1), 12);
  EXPECT_EQ(store.ReadInt(path, "S", "Large", -1), 1);  // wraps as 32-bit
  EXPECT_EQ(store.ReadInt(path, "S", "Hex", -1), 0);
  EXPECT_EQ(store.ReadInt(path, "S", "Missing", 100), 100);
  // Only the first 29 characters are read, as through the system's small buffer.
  EXPECT_EQ(store.ReadInt(path, "S", "Long", -1), ParseDecimal("12345678901234567890123456789"));
}

TEST_F(TextIniStoreTest, StructsRoundTripAndFailWithoutTouchingTheBuffer) {
  const std::uint8_t bytes[5] = {0x00, 0x01, 0x00, 0x64, 0xFA};
  ASSERT_TRUE(store.WriteStruct(path, "S", "Light", bytes, sizeof bytes));
  EXPECT_EQ(Read("S", "Light"), "00010064FA5F");

  std::uint8_t read[5] = {};
  ASSERT_TRUE(store.ReadStruct(path, "S", "Light", read, sizeof read));
  EXPECT_EQ(std::memcmp(read, bytes, sizeof bytes), 0);

  WriteFileBytes(path,
                 "[S]\nLower=00010064fa5f\nBadSum=00010064FA5E\nShort=00010064FA\nLong=00010064FA005F\n"
                 "NotHex=0001006XFA5F\nQuoted=\"00010064FA5F\"\n");
  EXPECT_TRUE(store.ReadStruct(path, "S", "Lower", read, sizeof read));
  for (const char* key : {"BadSum", "Short", "Long", "NotHex", "Quoted", "Missing"}) {
    const std::uint8_t before[5] = {9, 9, 9, 9, 9};
    std::uint8_t untouched[5] = {9, 9, 9, 9, 9};
    EXPECT_FALSE(store.ReadStruct(path, "S", key, untouched, sizeof untouched)) << key;
    EXPECT_EQ(std::memcmp(untouched, before, sizeof before), 0) << key;
  }
}

TEST_F(TextIniStoreTest, SectionNamesAreListedWithinTheBuffer) {
  EXPECT_TRUE(store.SectionNames(path, 16384).empty());  // no file
  WriteFileBytes(path, "lead=1\n[First]\n[]\n[ Second ]\nk=v\n[Third\n");
  EXPECT_EQ(store.SectionNames(path, 16384), (std::vector<std::string>{"First", "Second"}));
  // "First\0Second\0\0" needs 14 bytes.
  EXPECT_EQ(store.SectionNames(path, 14).size(), 2u);
  EXPECT_EQ(store.SectionNames(path, 13), std::vector<std::string>{"First"});

  IniFile file(store, path);
  std::vector<std::string> names;
  EXPECT_TRUE(file.SectionNames(names));
  EXPECT_FALSE(IniFile(store, folder.PathOf("none.ini")).SectionNames(names));
  EXPECT_TRUE(names.empty());
}

TEST_F(TextIniStoreTest, KeysBeforeTheFirstHeaderBelongToNoSection) {
  WriteFileBytes(path, "Loose=1\n[S]\nK=2\n");
  EXPECT_EQ(Read("S", "Loose"), "<none>");
  EXPECT_EQ(Read("", "Loose"), "1");
}

TEST_F(TextIniStoreTest, GarbageNeverBreaksReadingOrWriting) {
  using namespace std::string_literals;
  std::string garbage = "[S]\nK=v\0w\n[broken\n\xff\xfe=\x01\n"s;
  garbage += std::string(1 << 20, 'x');  // one huge line, and no newline at the end
  garbage += "\0\0[S2]\r\rA=1"s;
  WriteFileBytes(path, garbage);
  EXPECT_EQ(Read("S", "K"), "v");  // a NUL ends the value
  EXPECT_EQ(Read("S", "Missing"), "<none>");
  EXPECT_EQ(store.ReadInt(path, "S2", "A", -1), -1);  // "[S2]" is not at a line start
  ASSERT_TRUE(store.WriteString(path, "S", "New", "1"));
  EXPECT_EQ(store.ReadInt(path, "S", "New", -1), 1);
  EXPECT_EQ(Read("S", "K"), "v");
}

TEST_F(TextIniStoreTest, IniFileKeepsEveryTextOnOneLine) {
  IniFile file(store, path);
  ASSERT_TRUE(file.WriteText("S", "Name", "first line\r\n[Injected]\r\nK=1"));
  EXPECT_EQ(file.ReadText("S", "Name"), "first line");
  std::vector<std::string> names;
  file.SectionNames(names);
  EXPECT_EQ(names, std::vector<std::string>{"S"});

  ASSERT_TRUE(file.WriteText("S", "Long", std::string(3000, 'a')));
  EXPECT_EQ(file.ReadText("S", "Long").size(), IniFile::kTextBufferSize - 1);
  ASSERT_TRUE(file.WriteInt("S", "Int", -2147483647 - 1));
  EXPECT_EQ(file.ReadInt("S", "Int", 0), -2147483647 - 1);
}

TEST(FixedText, CopiesAreCutTerminatedAndZeroFilled) {
  char text[6];
  std::memset(text, 'x', sizeof text);
  CopyFixedText(text, "abc");
  EXPECT_EQ(std::string(text, sizeof text), std::string("abc\0\0\0", 6));
  CopyFixedText(text, "abcdefgh");
  EXPECT_EQ(std::string(text, sizeof text), std::string("abcde\0", 6));
  CopyFixedText(text, std::string_view("ab\0cd", 5));
  EXPECT_EQ(FixedTextView(text), "ab");

  const char unterminated[4] = {'w', 'x', 'y', 'z'};
  EXPECT_EQ(FixedTextView(unterminated), "wxyz");
}

TEST(StructText, TheChecksumWrapsAtOneByte) {
  const std::uint8_t bytes[3] = {0xFF, 0xFF, 0x03};
  EXPECT_EQ(EncodeStructText(bytes, sizeof bytes), "FFFF0301");
}

TEST(DecimalText, ParsesLikeTheSystem) {
  EXPECT_EQ(ParseDecimal("--1"), 0);
  EXPECT_EQ(ParseDecimal("2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseDecimal("-2147483649"), 2147483647);
}

}  // namespace
}  // namespace orvix
