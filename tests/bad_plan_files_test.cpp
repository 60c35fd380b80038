// Bad channel plan files met through the Load / save menu of the real window: a load never
// changes what it should not, a refused save leaves the earlier file whole and says so, and
// either says it in the window's language.
#include <sys/stat.h>

#include <QAction>
#include <filesystem>
#include <random>

#include "tests/support/control_values.h"
#include "tests/support/mainform_fixture.h"
#include "tests/support/named_controls.h"
#include "tests/support/temp_folder.h"
#include "ui/translations.h"

using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

class BadPlanFiles : public MainformTest {
 protected:
  void Load(const std::string& path) {
    dialogs->fileToChoose = QString::fromStdString(path);
    Get<QAction>("Loadfrequenciessettingsfromfile1")->trigger();
  }
  void Save(const std::string& path) {
    dialogs->fileToChoose = QString::fromStdString(path);
    Get<QAction>("Savefrequenciessettingstofile1")->trigger();
  }
  bool EditingEnabled() {
    return Get<QWidget>("cb_A1_shift")->isEnabled() && Get<QWidget>("cb_monitor")->isEnabled();
  }
  // The dialog texts shown since the last call, file dialog names left out.
  QStringList Shown() {
    QStringList shown;
    for (const QString& text : dialogs->asked) {
      if (!text.endsWith(QLatin1String("dialog"))) {
        shown << text;
      }
    }
    dialogs->asked.clear();
    return shown;
  }

  TempFolder folder;
};

TEST_F(BadPlanFiles, AFlawedFileLoadsWhatItCanAndNothingElse) {
  SelectListIndex(form, "cb_A2_freq_rx", 6);
  SelectListIndex(form, "cb_tot", 4);
  const std::string path = folder / "flawed.ini";
  WriteBytes(path,
             "[General]\nOtherSettings=1\n"
             "[Ch1]\nFreqRX=5\0junk\n\0\0\n"s
             "[Ch2\nFreqRX=4\n"
             "[ch1]\nFreqTX=4\n"
             "[Ch3]\nno equals\n=7\nFreqRX=2\nFreqRX=3\n\xC3\x28=\xFF\n FreqTX = 7 \n"
             "Long=" +
                 std::string(1 << 20, '9') +
                 "\n[OtherSettings]\nSquelchLevel=8\nTOT=\xFF\xFE\n"
                 "[OtherSettings]\nSquelchLevel=1\n");
  Load(path);
  // One notice names what the plan lacks; the keys found are loaded.
  const QStringList notice = Shown();
  ASSERT_EQ(notice.size(), 1);
  EXPECT_TRUE(notice[0].startsWith(QString::fromStdString(
      "Some of the plan in " + path +
      " is missing or cannot be used; these take their defaults:\n[General] AdvancedMode is "
      "missing.\n[Ch1] FreqTX is missing.\n")))
      << notice[0].toStdString();
  EXPECT_FALSE(form.AdvancedMode());
  EXPECT_EQ(ListIndex(form, "cb_A1_freq_rx"), 5);
  EXPECT_EQ(ListIndex(form, "cb_A1_freq_tx"), 0);
  EXPECT_EQ(ListIndex(form, "cb_A2_freq_rx"), 0);
  EXPECT_EQ(ListIndex(form, "cb_A3_freq_rx"), 2);
  EXPECT_EQ(ListIndex(form, "cb_A3_freq_tx"), 7);
  EXPECT_EQ(SliderPosition(form, "squelch_level"), 8);
  EXPECT_EQ(ListIndex(form, "cb_tot"), 0);
  EXPECT_TRUE(EditingEnabled());

  // Bytes that are no UTF-8 reach a Hz box as replacement characters, and stay so.
  WriteBytes(path, "[General]\nAdvancedMode=1\n[Ch1]\nFreqRX=4460\xFF\xFE\n");
  Load(path);
  EXPECT_TRUE(form.AdvancedMode());
  const std::string shown = "4460\uFFFD\uFFFD";
  EXPECT_EQ(EditText(form, "edit_A1_freq_rx"), shown);
  Save(path);
  Load(path);
  EXPECT_EQ(EditText(form, "edit_A1_freq_rx"), shown);
  const QStringList first = Shown();
  ASSERT_EQ(first.size(), 1);
  EXPECT_TRUE(
      first[0].endsWith("\nThe configuration file did not have settings included, but "
                        "frequencies had been loaded."))
      << first[0].toStdString();
}

TEST_F(BadPlanFiles, GarbageHugeAndUnreadableFilesNeverHarmTheWindow) {
  const std::string path = folder / "bad.ini";
  std::mt19937 random(446);
  std::string garbage(256 * 1024, '\0');
  for (char& c : garbage) {
    c = static_cast<char>(random());
  }
  // What holds none of the plan's sections is no plan: refused, the window as it was.
  SelectListIndex(form, "cb_A5_freq_rx", 3);
  const auto planBefore = ControlValues(form);
  for (const std::string& content :
       {""s, garbage.substr(0, 1024), garbage, "[Other]\nFreqRX=4\n"s, "FreqRX=4\n"s}) {
    WriteBytes(path, content);
    Load(path);
    EXPECT_EQ(Shown(),
              QStringList{QString::fromStdString(path + " is not a Vexalon channel plan.")})
        << content.size();
    EXPECT_EQ(ControlValues(form), planBefore) << content.size();
    EXPECT_TRUE(EditingEnabled());
  }

  std::string huge = "[Ch1]\r\nFreqRX=3\r\n";
  while (huge.size() < 10 * 1024 * 1024) {
    huge += "Key" + std::to_string(huge.size()) + "=value\r\n";
  }
  WriteBytes(path, huge + "[Ch15]\r\nLockout=1\r\n");
  Load(path);
  EXPECT_EQ(ListIndex(form, "cb_A1_freq_rx"), 3);
  EXPECT_TRUE(IsChecked(form, "cb_A15_lockout"));
  Shown();

  // Nothing to read: refused before anything changes, and never waiting on a device.
  const auto before = ControlValues(form);
  const std::string fifo = folder / "fifo.ini";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& unreadable :
       {folder.Path().string(), folder / "missing.ini", fifo, "/dev/zero"s}) {
    Load(unreadable);
    EXPECT_EQ(Shown(), QStringList{QString::fromStdString("Unable to read " + unreadable + ".")});
    EXPECT_EQ(ControlValues(form), before) << unreadable;
    EXPECT_TRUE(EditingEnabled());
  }
}

// Some editors start a UTF-8 file with a byte order mark; it must not hide [General].
TEST_F(BadPlanFiles, AByteOrderMarkIsSkippedAndKept) {
  const std::string path = folder / "marked.ini";
  WriteBytes(path,
             "\xEF\xBB\xBF[General]\r\nAdvancedMode=0\r\nOtherSettings=1\r\n[Ch1]\r\nFreqRX=2\r\n"
             "[OtherSettings]\r\nSquelchLevel=9\r\n");
  Load(path);
  // [General] is found: the notice starts with the first key after it that the file lacks.
  const QStringList notice = Shown();
  ASSERT_EQ(notice.size(), 1);
  EXPECT_TRUE(notice[0].startsWith(QString::fromStdString(
      "Some of the plan in " + path +
      " is missing or cannot be used; these take their defaults:\n[Ch1] FreqTX is missing.\n")))
      << notice[0].toStdString();
  EXPECT_EQ(ListIndex(form, "cb_A1_freq_rx"), 2);
  EXPECT_EQ(SliderPosition(form, "squelch_level"), 9);
  Save(path);
  const std::string saved = ReadBytes(path);
  EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBF[General]\r\nAdvancedMode=0\r\n")) << saved;
  EXPECT_EQ(saved.find("\xEF\xBB\xBF", 1), std::string::npos);
}

TEST_F(BadPlanFiles, ARefusedSaveKeepsTheFileWholeAndSaysSo) {
  SelectListIndex(form, "cb_A4_ctcss_rx", 12);
  const auto values = ControlValues(form);
  const std::string readOnly = folder / "read-only.ini";
  WriteBytes(readOnly, "; mine\r\n[General]\r\nAdvancedMode=0\r\n");
  fs::permissions(readOnly, fs::perms::owner_read);
  const std::string loop = folder / "loop.ini";
  fs::create_symlink("loop.ini", loop);
  for (const std::string& path : {readOnly, folder.Path().string(), loop, "/dev/null"s}) {
    Save(path);
    EXPECT_EQ(dialogs->failures,
              QStringList{QString::fromStdString("Unable to write to " + path + ".")});
    dialogs->failures.clear();
  }
  EXPECT_EQ(ReadBytes(readOnly), "; mine\r\n[General]\r\nAdvancedMode=0\r\n");
  EXPECT_TRUE(fs::is_directory(folder.Path()));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(ControlValues(form), values);

  // Through a link the file it names is written, and the link stays.
  fs::create_directory(folder.Path() / "plans");
  const std::string link = folder / "link.ini";
  fs::create_symlink("plans/club.ini", link);
  Save(link);
  EXPECT_TRUE(dialogs->failures.isEmpty());
  EXPECT_TRUE(fs::is_symlink(link));
  SelectListIndex(form, "cb_A4_ctcss_rx", 0);
  Load(link);
  EXPECT_EQ(ControlValues(form), values);
  // Only the files the test made: no temporary file left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 4);
}

// A plan cut off half-way through its first channel, and one with values the plan cannot
// use: each loads as it always did, with one notice of what it lacks or could not use.
TEST_F(BadPlanFiles, ACutOffPlanOrOneWithBadValuesLoadsWithOneNotice) {
  const std::string cut = folder / "cut.ini";
  WriteBytes(cut, "[General]\r\nAdvancedMode=0\r\nOtherSettings=0\r\n[Ch1]\r\nFreqRX=3\r\nFreq");
  SelectListIndex(form, "cb_A2_freq_rx", 6);
  Load(cut);
  EXPECT_EQ(ListIndex(form, "cb_A1_freq_rx"), 3);
  EXPECT_EQ(ListIndex(form, "cb_A2_freq_rx"), 0);
  EXPECT_EQ(Shown(), QStringList{QString::fromStdString(
                         "Some of the plan in " + cut +
                         " is missing or cannot be used; these take their defaults:\n"
                         "[Ch1] FreqTX is missing.\n[Ch1] CTCSSRX is missing.\n[Ch1] CTCSSTX is "
                         "missing.\n[Ch1] Shift is missing.\n[Ch1] Lockout is missing.\n[Ch2] "
                         "is missing.\n[Ch3] is missing.\n[Ch4] is missing.\n[Ch5] is "
                         "missing.\n[Ch6] is missing.\n9 more are missing or cannot be used.\n"
                         "The configuration file did not have settings included, but "
                         "frequencies had been loaded.")});
  EXPECT_TRUE(EditingEnabled());

  std::string whole = "[General]\nAdvancedMode=0\nOtherSettings=1\n";
  for (int n = 1; n <= 15; ++n) {
    whole += "[Ch" + std::to_string(n) +
             "]\nFreqRX=1\nFreqTX=1\nCTCSSRX=0\nCTCSSTX=2\nShift=0\nLockout=0\n";
  }
  const std::string bad = folder / "bad.ini";
  WriteBytes(bad, "[Ch1]\nFreqRX=99\nCTCSSTX=abc\n" + whole +
                      "[OtherSettings]\nMonitorKey=9\nSquelchLevel=42\nBeepTones=1\n"
                      "BatterySaving=1\nSelfProgramming=1\nTOT=99\nTOTRekey=0\nTOTReset=0\n");
  Load(bad);
  EXPECT_EQ(ListIndex(form, "cb_A1_freq_rx"), 0);
  EXPECT_EQ(ListIndex(form, "cb_A1_ctcss_tx"), 0);
  EXPECT_EQ(ListIndex(form, "cb_A2_ctcss_tx"), 2);
  EXPECT_EQ(SliderPosition(form, "squelch_level"), 10);
  EXPECT_EQ(ListIndex(form, "cb_monitor"), 3);
  EXPECT_EQ(ListIndex(form, "cb_tot"), 0);
  EXPECT_EQ(Shown(), QStringList{QString::fromStdString(
                         "Some of the plan in " + bad +
                         " is missing or cannot be used; these take their defaults:\n"
                         "[Ch1] FreqRX \"99\" lies outside 0 to 8.\n"
                         "[Ch1] FreqTX is missing.\n[Ch1] CTCSSRX is missing.\n"
                         "[Ch1] CTCSSTX \"abc\" is not a whole number.\n"
                         "[Ch1] Shift is missing.\n[Ch1] Lockout is missing.\n"
                         "[OtherSettings] MonitorKey \"9\" lies outside 0 to 3.\n"
                         "[OtherSettings] SquelchLevel \"42\" lies outside 0 to 10.\n"
                         "[OtherSettings] TOT \"99\" lies outside 0 to 10.")});
}

TEST_F(BadPlanFiles, ASaveIntoAFileThatIsNoPlanIsRefusedAndChangesNothing) {
  const std::string kept = "Vexalon radio backup, format 1\nVariant: E\n";
  const std::string backup = folder / "before.vxbackup";
  WriteBytes(backup, kept);
  Save(backup);
  EXPECT_EQ(dialogs->failures,
            QStringList{QString::fromStdString(
                backup + " is not a Vexalon channel plan; the plan is not saved into it. Choose "
                         "another file.")});
  EXPECT_EQ(ReadBytes(backup), kept);
  dialogs->failures.clear();

  const std::string sheet = folder / "sheet.csv";
  WriteBytes(sheet, "Name,Phone\nAnn,123\n");
  Save(sheet);
  EXPECT_EQ(dialogs->failures,
            QStringList{QString::fromStdString(
                sheet + " is not a CSV channel plan; it is not replaced. Choose another file.")});
  EXPECT_EQ(ReadBytes(sheet), "Name,Phone\nAnn,123\n");
}

// Each part of a composed refusal or notice is said in German, the file's name and the
// values read from it as they are.
TEST(BadPlanFilesInGerman, RefusalsAndNoticesSpeakGermanAndNameTheFile) {
  const Translations german{QLocale(QStringLiteral("de_DE"))};
  auto* dialogs = new ScriptedDialogs;
  Tmainform form{std::unique_ptr<Dialogs>(dialogs)};
  TempFolder folder;
  const auto load = [&](const std::string& path) {
    dialogs->asked.clear();
    dialogs->fileToChoose = QString::fromStdString(path);
    FindControl<QAction>(&form, std::string("Loadfrequenciessettingsfromfile1"))->trigger();
    dialogs->asked.removeAll(QStringLiteral("opendialog"));
    return dialogs->asked;
  };

  const std::string csv = folder / "Kanäle.csv";
  WriteBytes(csv, "Location,Frequency\n1,abc\n");
  EXPECT_EQ(load(csv), QStringList{QString::fromStdString(csv) +
                                   " wurde nicht geladen. Kanal 1 (Zeile 2): die Empfangsfrequenz "
                                   "(Frequency \"abc\") ist keine Zahl in MHz."});

  WriteBytes(csv, "Location,Frequency,Tone\n1,446.00625,\n20,446.00625,\n2,446.01875,Bogus\n");
  EXPECT_EQ(load(csv),
            QStringList{QStringLiteral(
                "Zeile 3: Speicherplatz \"20\" wird übersprungen; das Funkgerät hat die Kanäle 1 "
                "bis 15.\n"
                "Kanal 2 (Zeile 4) bleibt unbenutzt: das Funkgerät kennt keinen Tonmodus "
                "\"Bogus\" (Tone).\n"
                "Die Konfigurationsdatei enthielt keine Einstellungen, die Frequenzen wurden aber "
                "geladen.")});
  EXPECT_EQ(ListIndex(form, "cb_A1_freq_rx"), 1);

  const std::string ini = folder / "Kanäle.ini";
  WriteBytes(ini, "[Kanal1]\nFreqRX=1\n");
  EXPECT_EQ(load(ini), QStringList{QString::fromStdString(ini) + " ist kein Vexalon-Kanalplan."});
  EXPECT_EQ(ListIndex(form, "cb_A1_freq_rx"), 1);
}

}  // namespace
