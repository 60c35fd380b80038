#include "files/backup_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "files/backup_folder.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/temp_folder.h"

namespace {

RadioBackup SampleBackup() {
  RadioBackup backup;
  backup.variant = "E2";
  backup.taken = std::chrono::system_clock::from_time_t(1'800'000'000);
  backup.blocks = PlanBlocks(DistinctPlan(false));
  backup.blocks[10].data = {0x00, 0x0A, 0x0D, 0x1A, 0x7F, 0x80, 0xFE, 0xFF};
  return backup;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string Failure(const std::string& text) {
  const BackupFileRead read = BackupFromText(text, "b.vxbackup");
  EXPECT_FALSE(read.backup);
  return read.failure ? read.failure->Text() : "";
}

TEST(BackupFile, ATextAPersonCanReadComesBackAsTheSameBackup) {
  const RadioBackup backup = SampleBackup();
  const std::string text = BackupFileText(backup);
  EXPECT_TRUE(text.starts_with("Vexalon radio backup, format 1\nVariant: E2\nTaken: "));
  EXPECT_NE(text.find("\n0050: 00 0A 0D 1A 7F 80 FE FF"), std::string::npos);
  EXPECT_NE(text.find("\n03C0: "), std::string::npos);
  // Bank 0 and 1 in records, the two tables and the settings: one line each, then the sum.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 35 + 1);
  const BackupFileRead read = BackupFromText(text, "b.vxbackup");
  ASSERT_TRUE(read.backup) << read.failure->Text();
  EXPECT_EQ(*read.backup, backup);
  // An editor that turned the line ends into CR LF has not changed the backup.
  std::string crlf;
  for (const char c : text) {
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  EXPECT_EQ(BackupFromText(crlf, "b.vxbackup").backup, backup);
}

// A radio that does not let some areas be read gets a backup of the rest, in a format of its
// own, so that every earlier version refuses it rather than taking it for a whole one.
TEST(BackupFile, ABackupWithoutUnreadableAreasNamesThem) {
  RadioBackup backup = SampleBackup();
  backup.unreadable = {MemoryArea::Bank1, MemoryArea::SecondToneTable};
  backup.blocks = BlocksOutside(backup.blocks, backup.unreadable);
  const std::string text = BackupFileText(backup);
  EXPECT_TRUE(text.starts_with(
      "Vexalon radio backup, format 2\nVariant: E2\nTaken: " + BackupTimeText(backup.taken) +
      "\nNot readable: 0100-01FF 02B0-02BF\n0000: "));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4 + 35 - 16 - 1 + 1);
  EXPECT_EQ(BackupFromText(text, "b.vxbackup").backup, backup);
}

TEST(BackupFile, DamagedTruncatedAndForeignFilesAreRefused) {
  const std::string text = BackupFileText(SampleBackup());
  const std::string damaged =
      "b.vxbackup is damaged or incomplete: its checksum does not match "
      "what it holds.";
  EXPECT_EQ(Failure(Replaced(text, "0050: 00 0A", "0050: 01 0A")), damaged);
  EXPECT_EQ(Failure(Replaced(text, "Variant: E2", "Variant: E ")), damaged);
  EXPECT_EQ(Failure(text.substr(0, text.size() / 2)), damaged);
  EXPECT_EQ(Failure(text.substr(0, text.find("Checksum"))), damaged);
  EXPECT_EQ(Failure(""), "b.vxbackup is not a Vexalon radio backup.");
  EXPECT_EQ(Failure("[General]\r\nAdvancedMode=0\r\n"),
            "b.vxbackup is not a Vexalon radio backup.");
  EXPECT_EQ(Failure(std::string(4096, '\0')), "b.vxbackup is not a Vexalon radio backup.");
  EXPECT_EQ(Failure(Replaced(text, "format 1", "format 3")),
            "b.vxbackup was made by another version of Vexalon, in a backup format this one "
            "does not know.");
}

// A file whose checksum was made anew over changed contents is still no backup to write.
TEST(BackupFile, AMatchingChecksumOverOddContentsIsRefused) {
  const std::string odd =
      "b.vxbackup is damaged: its checksum matches, but it does not hold a "
      "whole backup.";
  RadioBackup otherVariant = SampleBackup();
  otherVariant.variant = "X";
  RadioBackup blockMissing = SampleBackup();
  blockMissing.blocks.pop_back();
  RadioBackup blockElsewhere = SampleBackup();
  blockElsewhere.blocks[20].address = 0x0300;
  RadioBackup blockShort = SampleBackup();
  blockShort.blocks.back().data.pop_back();
  // Only what a write makes from the rest may be missing, and then it is missing.
  RadioBackup bank0Unreadable = SampleBackup();
  bank0Unreadable.unreadable = {MemoryArea::Bank0};
  bank0Unreadable.blocks = BlocksOutside(bank0Unreadable.blocks, {MemoryArea::Bank0});
  RadioBackup bank1StillThere = SampleBackup();
  bank1StillThere.unreadable = {MemoryArea::Bank1};
  for (const RadioBackup& backup :
       {otherVariant, blockMissing, blockElsewhere, blockShort, bank0Unreadable, bank1StillThere}) {
    EXPECT_EQ(Failure(BackupFileText(backup)), odd);
  }
}

TEST(BackupFolder, FilesAreNamedByTimeAndVariantAndNeverReplaced) {
  TempFolder folder;
  BackupFolder backups((folder.Path() / "new" / "backups").string());
  const RadioBackup backup = SampleBackup();
  const std::string stem = BackupTimeText(backup.taken);
  std::string name = stem;
  std::replace(name.begin(), name.end(), ':', '-');
  const BackupStore::Kept first = backups.Keep(backup);
  const BackupStore::Kept second = backups.Keep(backup);
  EXPECT_EQ(first.fileName, (folder.Path() / "new" / "backups" / (name + " E2.vxbackup")).string());
  EXPECT_EQ(second.fileName,
            (folder.Path() / "new" / "backups" / (name + " E2 (2).vxbackup")).string());
  EXPECT_EQ(LoadBackupFile(first.fileName).backup, backup);
  EXPECT_EQ(ReadBytes(second.fileName), BackupFileText(backup));

  const std::string blocked = folder / "a file";
  WriteBytes(blocked, "not a folder");
  const BackupStore::Kept refused = BackupFolder(blocked).Keep(backup);
  EXPECT_TRUE(refused.fileName.empty());
  EXPECT_TRUE(refused.failure.Text().starts_with("the folder " + blocked + " cannot be made"))
      << refused.failure.Text();
}

#ifdef _WIN32
TEST(BackupFolder, TheDefaultFolderIsTheUsersApplicationDataFolder) {
  _putenv_s("APPDATA", "C:\\Users\\user\\AppData\\Roaming");
  EXPECT_EQ(DefaultBackupFolder(), "C:\\Users\\user\\AppData\\Roaming\\Vexalon\\backups");
}
#else
TEST(BackupFolder, TheDefaultFolderIsTheUsersDataFolder) {
  const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
  setenv("XDG_DATA_HOME", "/data/of/user", 1);
  EXPECT_EQ(DefaultBackupFolder(), "/data/of/user/vexalon/backups");
  setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
  EXPECT_EQ(DefaultBackupFolder(), home + "/.local/share/vexalon/backups");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(DefaultBackupFolder(), home + "/.local/share/vexalon/backups");
}
#endif

}  // namespace
