#include "files/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/file_limits.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

namespace {

const std::string kOld = "[General]\r\nAdvancedMode=0\r\n";
const std::string kNew = "[General]\r\nAdvancedMode=1\r\n";

void WriteMode(const std::string& path) {
  IniFile ini(path);
  ini.WriteBool("General", "AdvancedMode", true);
  ini.Commit();
}

long FileCount(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

}  // namespace

TEST(IniFileRead, FollowsTheWindowsReader) {
  TempFolder folder;
  WriteBytes(folder / "a.ini",
             "Orphan=1\r\n[ general ]\r\n  advancedmode =  1  \r\nQ=\"  q  \"\r\n"
             "Half=\"x\r\nEmpty=\r\nDup=first\r\nDUP=second\r\n;Note=1\r\n"
             "[Ch1\r\nLeak=1\r\n[GENERAL]\r\nLater=1\r\n[V]\nLong=" +
                 std::string(3000, 'x') + "\nNul=ab" + std::string(1, '\0') + "cd\n");
  const IniFile ini(folder / "a.ini");
  EXPECT_EQ(ini.ReadString("General", "AdvancedMode", "d"), "1");
  EXPECT_EQ(ini.ReadString("general", "q", "d"), "  q  ");
  EXPECT_EQ(ini.ReadString("General", "Half", "d"), "\"x");
  EXPECT_EQ(ini.ReadString("General", "Empty", "d"), "");
  EXPECT_EQ(ini.ReadString("General", "Dup", "d"), "first");
  for (const char* key : {"Note", "Leak", "Later", "Orphan"}) {
    EXPECT_EQ(ini.ReadString("General", key, "d"), "d") << key;
  }
  EXPECT_EQ(ini.ReadString("Ch1", "Leak", "d"), "d");
  EXPECT_EQ(ini.ReadString("V", "Long", "d"), std::string(kMaxIniValueLength, 'x'));
  EXPECT_EQ(ini.ReadString("V", "Nul", "d"), "ab");

  const IniFile missing(folder / "missing.ini");
  EXPECT_FALSE(missing.WasRead());
  EXPECT_EQ(missing.ReadInteger("General", "AdvancedMode", 7), 7);
  EXPECT_FALSE(fs::exists(folder / "missing.ini"));
}

TEST(IniFileRead, TakesWholeNumbersOnly) {
  TempFolder folder;
  // Each good key is named after the value it must read as.
  WriteBytes(folder / "n.ini",
             "[N]\n12=12\n-7=-7\n5=+5\n7=007\n31=0x1F\n10=$A\n16=0X10\n-16=-0x10\n-1=$FFFFFFFF\n"
             "2147483647=2147483647\n-2147483648=-2147483648\nb1=2147483648\nb2=0x100000000\n"
             "b3=12abc\nb4=yes\nb5=0x\nb6=$\nb7=1.5\nb8=1 2\nb9=0x-5\nb10=--1\nb11=\n");
  const IniFile ini(folder / "n.ini");
  for (const char* key :
       {"12", "-7", "5", "7", "31", "10", "16", "-16", "-1", "2147483647", "-2147483648"}) {
    EXPECT_EQ(ini.ReadInteger("N", key, 99), std::stoi(key)) << key;
  }
  for (int bad = 1; bad <= 11; ++bad) {
    EXPECT_EQ(ini.ReadInteger("N", "b" + std::to_string(bad), 99), 99) << bad;
  }
  EXPECT_TRUE(ini.ReadBool("N", "12", false));
  EXPECT_FALSE(ini.ReadBool("N", "b4", false));
  EXPECT_TRUE(ini.ReadBool("N", "b4", true));
}

TEST(IniFileWrite, AddsKeysAndSectionsWhereTheyBelongAndTouchesNothingElse) {
  TempFolder folder;
  IniFile fresh(folder / "new.ini");
  fresh.WriteString("A", "k1", "v");
  fresh.WriteInteger("B", "k2", -5);
  fresh.WriteBool("a", "k3", true);
  EXPECT_FALSE(fs::exists(folder / "new.ini"));
  fresh.Commit();
  EXPECT_EQ(ReadBytes(folder / "new.ini"), "[A]\r\nk1=v\r\nk3=1\r\n\r\n[B]\r\nk2=-5\r\n");

  WriteBytes(folder / "crlf.ini",
             "; club\r\n[general]\r\nAdvancedMode = 0 \r\nadvancedmode=7\r\njunk\r\n\r\n"
             "[Foreign]\r\nx=1\r\n[General]\r\nOtherSettings=1\r\n[Tail]\r\nk=v");
  IniFile ini(folder / "crlf.ini");
  // Sections found before an earlier one grew must still be found where they now are.
  ini.WriteString("Foreign", "x", "");
  ini.WriteString("Tail", "k2", "w");
  ini.WriteInteger("General", "AdvancedMode", 10);
  ini.WriteBool("General", "OtherSettings", false);
  ini.WriteString("New", "a", "b");
  ini.WriteString("Foreign", "y", "2");
  ini.WriteString("Tail", "k3", "z");
  EXPECT_EQ(ini.ReadString("General", "OtherSettings", ""), "0");
  ini.Commit();
  EXPECT_EQ(ReadBytes(folder / "crlf.ini"),
            "; club\r\n[general]\r\nAdvancedMode = 10 \r\nadvancedmode=7\r\nOtherSettings=0\r\n"
            "junk\r\n\r\n[Foreign]\r\nx=\r\ny=2\r\n[General]\r\nOtherSettings=1\r\n[Tail]\r\n"
            "k=v\r\nk2=w\r\nk3=z\r\n\r\n[New]\r\na=b\r\n");

  // LF stays LF, a new key goes before trailing blank lines, a value cannot add lines.
  WriteBytes(folder / "lf.ini", "[S]\nk=1\n\n");
  IniFile lf(folder / "lf.ini");
  lf.WriteString("S", "j", "2\r\n[General]\r\nAdvancedMode=1");
  lf.WriteString("T", "x", "y");
  lf.Commit();
  EXPECT_EQ(ReadBytes(folder / "lf.ini"), "[S]\nk=1\nj=2\n\n[T]\nx=y\n");
  EXPECT_EQ(FileCount(folder.Path()), 3);
}

TEST(IniFileWrite, RefusalAtTheFirstKeyOrAtCommitKeepsTheEarlierFile) {
  TempFolder folder;
  const std::string readOnly = folder / "read-only.ini";
  WriteBytes(readOnly, kOld);
  fs::permissions(readOnly, fs::perms::owner_read);
  std::vector<std::string> refused = {folder / "no/such/folder/plan.ini", folder.Path().string(),
                                      "", readOnly};
  if (FolderPermissionsBind()) {
    fs::create_directory(folder.Path() / "locked");
    fs::permissions(folder.Path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    refused.push_back(folder / "locked/plan.ini");
  }
  for (const std::string& path : refused) {
    IniFile ini(path);
    try {
      ini.WriteBool("General", "AdvancedMode", true);
      ADD_FAILURE() << "no error for " << path;
    } catch (const IniWriteError& error) {
      EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
  }
  EXPECT_EQ(ReadBytes(readOnly), kOld);

  // No temporary file stays behind: the read-only file, and the locked folder if any.
  const long filesBefore = FolderPermissionsBind() ? 2 : 1;
  EXPECT_EQ(FileCount(folder.Path()), filesBefore);
  if (FileSizeLimit::Available()) {
    const std::string full = folder / "full.ini";
    WriteBytes(full, kOld);
    IniFile ini(full);
    ini.WriteString("General", "Big", std::string(64 * 1024, 'x'));
    {
      const FileSizeLimit limit(4096);
      EXPECT_THROW(ini.Commit(), IniWriteError);
    }
    EXPECT_EQ(ReadBytes(full), kOld);
    EXPECT_EQ(FileCount(folder.Path()), filesBefore + 1);
  }
}

TEST(IniFileWrite, LinkStaysALinkAndTheFileKeepsItsPermissions) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need extra rights on Windows, and plan files do not meet them";
#endif
  TempFolder folder;
  fs::create_directory(folder.Path() / "real");
  WriteBytes(folder / "real/plan.ini", kOld);
  const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(folder / "real/plan.ini", mode);
  fs::create_symlink("real/plan.ini", folder.Path() / "link.ini");
  fs::create_symlink("real/new.ini", folder.Path() / "dangling.ini");
  WriteMode(folder / "link.ini");
  WriteMode(folder / "dangling.ini");
  EXPECT_EQ(fs::read_symlink(folder.Path() / "link.ini"), "real/plan.ini");
  EXPECT_EQ(fs::read_symlink(folder.Path() / "dangling.ini"), "real/new.ini");
  EXPECT_EQ(ReadBytes(folder / "real/plan.ini"), kNew);
  EXPECT_EQ(ReadBytes(folder / "real/new.ini"), kNew);
  EXPECT_EQ(fs::status(folder / "real/plan.ini").permissions(), mode);
}

TEST(IniFileWrite, HugeFileKeepsEveryByte) {
  TempFolder folder;
  const std::string path = folder / "huge.ini";
  std::string text = "[Big]\r\nLine=" + std::string(1 << 20, 'x') + "\r\n";
  for (int i = 0; text.size() < 10 * 1024 * 1024; ++i) {
    text += "[S" + std::to_string(i) + "]\r\nKey=" + std::to_string(i) + "\r\n";
  }
  WriteBytes(path, text);
  IniFile ini(path);
  for (int channel = 1; channel <= 15; ++channel) {
    for (const char* key : {"FreqRX", "FreqTX", "CTCSSRX", "CTCSSTX", "Shift", "Lockout"}) {
      ini.WriteInteger("Ch" + std::to_string(channel), key, channel);
    }
  }
  ini.WriteString("S7", "Key", "seven");
  ini.Commit();
  const std::size_t changed = text.find("[S7]\r\nKey=") + 10;
  text.replace(changed, 1, "seven");
  EXPECT_TRUE(ReadBytes(path).starts_with(text));
  EXPECT_EQ(IniFile(path).ReadInteger("Ch15", "Lockout", 0), 15);
}
